// A whole seeded day of both shops (seeded_day.h): 24 hours of hall passes
// from 09:00, through the night shop's closing, the day shop's opening and
// closing and the night shop's opening, with P1 playing in the day shop. The
// soak checks the hall after every pass; the golden day compares each
// machine's day with the recorded one (regenerate it only on purpose,
// TAMAROW_UPDATE_GOLDEN=1).
//
// Every model runs the same day. A model whose machines have more to check
// or to count (the one-line machines' reels and chance state) derives its
// runner from DayRunner; its day test then says SEEDED_DAY_TESTS(itsRunner).
#pragma once
#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "golden.h"
#include "hall_fixture.h"
#include "hallcore/hall/customers.h"
#include "hallcore/shell/command_ids.h"
#include "machine_identity.h"
#include "seeded_day.h"

struct SeededDay {
    std::vector<std::string> faults;
    std::string summary;
    bool opened[kShopCount] = {}, closed[kShopCount] = {};
    int peak[kShopCount] = {};
    long longestBarredSeat = 0, longestClosingOut = 0, playerStops[5] = {};
};

class DayRunner {
public:
    SeededDay day;

    virtual ~DayRunner() = default;

    void run()
    {
        seededday::openFreshHall();
        nullClearPosted();
        for (int s = 0; s < kShopCount; s++)
            wasOpen[s] = shops[s].openState;

        seededday::runDayTicks(
            [this] {
                for (int s = 0; s < kShopCount; s++)
                    for (int i = 0; i < kMachinesPerShop; i++)
                        before[s][i] = {shops[s].machines[i].mode, shops[s].machines[i].occupant};
                int counted[kShopCount] = {shops[0].customerCount, shops[1].customerCount};
                hallStep();
                deliverHallEvents();
                pass++;
                for (int s = 0; s < kShopCount; s++)
                    checkShop(s, counted[s]);
                actAsTheShell();
            },
            [this] {
                for (int s = 0; s < kShopCount; s++) {
                    bool open = shops[s].openState != kShopClosed;
                    day.opened[s] |= open && !wasOpen[s];
                    day.closed[s] |= !open && wasOpen[s];
                    if (!open && wasOpen[s])
                        closedAt[s] = pass;
                    wasOpen[s] = open;
                }
            });
        if (shops[kDayShop].customerCount != 0)
            fault("the day shop still has customers at 09:00");
        summarize();
    }

protected:
    static const long kLongestWait = 36000; // 30 minutes: nobody waits that long to stand up

    long pass = 0;

    void fault(const std::string& what)
    {
        if (day.faults.size() < 12)
            day.faults.push_back("pass " + std::to_string(pass) + ": " + what);
    }

    // A model's own checks of machine i of shop s after a pass, before the
    // ones every machine has.
    virtual void checkMachine(int s, int i, const MachineState& m) {}

    // Shop s, closed `since` passes ago, still has customers.
    virtual void checkClosingOut(int s, long since)
    {
        if (since == kLongestWait)
            fault("shop " + std::to_string(s) + " still has customers 30 minutes after closing");
    }

    // A model's own columns of the summary: their heading (each with its
    // blank before it) and machine i of shop s's cells.
    virtual std::string extraColumns() const { return ""; }
    virtual std::string extraCells(int s, int i) const { return ""; }

private:
    bool wasOpen[kShopCount] = {};
    long closedAt[kShopCount] = {-1, -1};
    struct {
        int mode, occupant;
    } before[kShopCount][kMachinesPerShop] = {};
    long spins[kShopCount][kMachinesPerShop] = {}, seated[kShopCount][kMachinesPerShop] = {};
    long barredFor[kShopCount][kMachinesPerShop] = {};
    long playerAway = 0;

    void checkShop(int s, int counted)
    {
        const ShopState& shop = shops[s];
        const bool open = shop.openState != kShopClosed;
        int occupied = 0;
        for (int i = 0; i < kMachinesPerShop; i++) {
            const MachineState& m = shop.machines[i];
            occupied += m.occupant != 0;
            checkMachine(s, i, m);
            if (m.balls < 0 || m.heldStarts < 0 || m.heldStarts > 4 || m.mode < 0 || m.mode > 3 || m.round < 0
                || m.round > 17 || m.feverKind < 0 || m.feverKind > 3 || m.occupant < 0 || m.occupant > 2
                || (m.occupant == 1 && m.customerState != kCustomerPlaying && m.customerState != kCustomerOutOfBalls))
                fault("shop " + std::to_string(s) + " machine " + std::to_string(i) + " out of its ranges");
            spins[s][i] += m.mode == 2 && before[s][i].mode != 2;
            seated[s][i] += m.occupant == 1 && before[s][i].occupant != 1;
            barredFor[s][i] = open && m.occupant == 1 && m.continueBarred ? barredFor[s][i] + 1 : 0;
            day.longestBarredSeat = std::max(day.longestBarredSeat, barredFor[s][i]);
            if (barredFor[s][i] == kLongestWait)
                fault("a customer without the right stays seated at " + std::to_string(i));
        }
        if (shop.customerCount != occupied)
            fault("shop " + std::to_string(s) + " counts " + std::to_string(shop.customerCount) + " for "
                  + std::to_string(occupied));
        if (shop.customerCount > counted && (!open || shop.customerCount > maxCustomers(s)))
            fault("shop " + std::to_string(s) + " let in more than it may");
        day.peak[s] = std::max(day.peak[s], shop.customerCount);
        if (!open && closedAt[s] >= 0) {
            if (shop.customerCount == 0) {
                day.longestClosingOut = std::max(day.longestClosingOut, pass - closedAt[s]);
                closedAt[s] = -1;
            } else {
                checkClosingOut(s, pass - closedAt[s]);
            }
        }
    }

    // The shell's part for P1 in the day shop: buys 250 balls when told
    // there are none, stands up when told to, and takes the first vacant
    // machine from number 7 on five minutes later while the shop is open.
    void actAsTheShell()
    {
        PlayerSlot& p = playerSlots[0];
        for (int k = 0; k < nullPostedCount() && k < 64; k++) {
            PostedCommand c = nullPosted(k);
            if (c.command == kCmdNotice && (c.lParam & 0xFFFF) == STR_FEVER_START)
                continue;
            if (p.seat == kSpareMachine || (c.command == kCmdNotice && c.lParam != p.seat * 65536 + STR_NO_BALLS)
                || (c.command == kCmdForcedStop && c.lParam != p.machine->customerState)) {
                fault("a post " + std::to_string(c.command) + " that P1's machine did not call for");
            } else if (c.command == kCmdNotice) {
                p.machine->balls += 250;
                p.machine->customerState = kCustomerPlaying;
            } else {
                day.playerStops[c.lParam == kCustomerClosing ? kCustomerClosing : kCustomerBarred]++;
                resetMachine(kDayShop, p.seat, kResetVacate);
                recountCustomers(kDayShop);
                p.seat = kSpareMachine;
                p.machine = &shops[kDayShop].spareMachine;
                playerAway = 6000;
            }
        }
        nullClearPosted();
        if (playerAway > 0 && --playerAway > 0)
            return;
        if (p.seat != kSpareMachine || shops[kDayShop].openState == kShopClosed)
            return;
        for (int k = 0; k < kMachinesPerShop; k++) {
            MachineState& m = shops[kDayShop].machines[(5 + k) % kMachinesPerShop];
            if (m.occupant != 0)
                continue;
            p.scene = kScenePlaying;
            p.seat = (5 + k) % kMachinesPerShop;
            p.machine = &m;
            m.occupant = 2;
            m.balls = 1000;
            m.launchPower = 60;
            recountCustomers(kDayShop);
            break;
        }
    }

    void summarize()
    {
        std::ostringstream out;
        out << "both shops, No." << MACHINE_NUMBER << ", seed " << seededday::kSeed
            << ", 2026-12-08 09:00 to 2026-12-09 09:00, " << seededday::kPassesADay
            << " hall passes\nshop machine number prizesToday spins seated balls" << extraColumns() << "\n";
        for (int s = 0; s < kShopCount; s++)
            for (int i = 0; i < kMachinesPerShop; i++) {
                char line[96];
                std::snprintf(line, sizeof line, "%d %2d %2d %3d %5ld %3ld %6d", s, i, machineNumber(i),
                              shops[s].machines[i].prizesToday, spins[s][i], seated[s][i],
                              shops[s].machines[i].balls);
                out << line << extraCells(s, i) << "\n";
            }
        out << "P1 stood up without the right " << day.playerStops[kCustomerBarred] << ", at closing "
            << day.playerStops[kCustomerClosing] << "\n";
        day.summary = out.str();
    }
};

// The day of `Runner`, run once for all the tests that look at it.
template <class Runner>
const SeededDay& seededDayOf()
{
    static const SeededDay result = [] {
        Runner r;
        r.run();
        return r.day;
    }();
    return result;
}

// What every day must keep: no fault, both shops opened and closed, the day
// shop's limit, P1 sent home at closing, every shop emptied after closing.
inline void expectTheDayKeptItsInvariants(const SeededDay& day)
{
    for (const std::string& f : day.faults)
        ADD_FAILURE() << f;
    for (int s = 0; s < kShopCount; s++)
        EXPECT_TRUE(day.opened[s] && day.closed[s]) << s;
    // the day shop opened empty: at most 12 customers and P1, who takes a
    // machine without asking about the limit, as the shell does (the night
    // shop started from the catch-up, which may fill every machine)
    EXPECT_LE(day.peak[kDayShop], 13);
    EXPECT_GE(day.playerStops[kCustomerClosing], 1); // P1 was sent home at 22:00
    EXPECT_GT(day.longestClosingOut, 0);
    std::printf("soak: longest seat without the right %ld passes, longest closing-out %ld passes, "
                "peaks %d/%d\n",
                day.longestBarredSeat, day.longestClosingOut, day.peak[0], day.peak[1]);
}

// A model's two day tests: the soak and its golden day
// (machines/<model>/tests/golden/<model>_day.txt).
#define SEEDED_DAY_TESTS(Runner)                                                                                  \
    TEST_F(HallTest, SoakBothShopsThroughADayKeepTheirInvariants)                                                 \
    {                                                                                                             \
        expectTheDayKeptItsInvariants(seededDayOf<Runner>());                                                     \
    }                                                                                                             \
    TEST_F(HallTest, GoldenDayOfBothShopsMatchesTheRecordedOne)                                                   \
    {                                                                                                             \
        expectGoldenText(TAMAROW_MODEL "_day.txt", seededDayOf<Runner>().summary);                                \
    }
