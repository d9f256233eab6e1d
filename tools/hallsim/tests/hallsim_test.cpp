// The hall simulator: its intervals, its exact odds, its counting of balls,
// spins and fevers, a hall run through the game's own tick, and its
// promise never to change the shop file it starts from.
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hallcore/machine/machine_step.h"
#include "machine_identity.h"
#include "hallcore/machine/random.h"
#include "hallcore/players/data_files.h"
#include "hallcore/machine/anim_clock.h"
#include "null/sys_null.h"
#include "tools/hallsim/exact_lottery.h"
#include "tools/hallsim/hall_sim.h"
#include "tools/hallsim/observer.h"
#include "tools/hallsim/odds.h"
#include "tools/hallsim/report.h"
#include "tools/hallsim/sim_stats.h"
#include "tools/odds/exact_odds.h"

namespace {

// Many figures are checked at once against their exact values: a 99.9%
// interval keeps a fixed seed from failing by chance, and the checks that
// wrong odds fall outside show the intervals are still tight enough.
constexpr double kZ999 = 3.290526731491926;

} // namespace

// --- intervals ---

TEST(HallsimStats, WilsonIntervalMatchesPublishedExamples)
{
    // Newcombe (1998), Table I, 95%
    struct Case {
        int k, n;
        double low, high;
    } cases[] = {{81, 263, 0.2553, 0.3662}, {15, 148, 0.0624, 0.1605}, {0, 20, 0.0, 0.1611}, {1, 29, 0.0061, 0.1718}};
    for (const Case& c : cases) {
        Interval i = wilsonInterval(c.k, c.n);
        EXPECT_NEAR(i.low, c.low, 1e-4) << c.k << "/" << c.n;
        EXPECT_NEAR(i.high, c.high, 1e-4) << c.k << "/" << c.n;
    }
    Interval none = wilsonInterval(0, 0);
    EXPECT_EQ(none.low, 0);
    EXPECT_EQ(none.high, 1);
}

TEST(HallsimStats, MeanAndRatioIntervalsCoverTheTruthAboutAsOftenAsTheySay)
{
    std::mt19937 gen(12345);
    std::exponential_distribution<double> spread(1.0);
    std::poisson_distribution<int> fired(900);
    const double trueRatio = 1.4;
    int meanHits = 0, ratioHits = 0;
    const int experiments = 1000;
    for (int e = 0; e < experiments; e++) {
        MeanTally mean;
        RatioTally ratio;
        for (int b = 0; b < 60; b++) {
            mean.add(spread(gen)); // mean 1, skewed like fever lengths
            // paid in lumps, as fevers pay: 0 most hours, a lot in some
            double f = fired(gen);
            double paid = f * trueRatio * spread(gen);
            ratio.addBatch(f, paid);
        }
        meanHits += std::fabs(mean.mean() - 1.0) <= mean.halfWidth();
        ratioHits += std::fabs(ratio.ratio() - trueRatio) <= ratio.halfWidth();
    }
    // a 95% interval of 60 skewed values: somewhat below 95%, never far
    EXPECT_GT(meanHits, experiments * 0.91);
    EXPECT_LT(meanHits, experiments * 0.98);
    EXPECT_GT(ratioHits, experiments * 0.91);
    EXPECT_LT(ratioHits, experiments * 0.98);
}

// --- exact odds ---

TEST(HallsimOdds, OneInChanceFollowsTheHalvingAndTheRemainder)
{
    EXPECT_DOUBLE_EQ(oneInChance(16), 1.0 / 16);
    EXPECT_DOUBLE_EQ(oneInChance(32), 1.0 / 32);
    EXPECT_DOUBLE_EQ(oneInChance(64), 1.0 / 64);
    EXPECT_DOUBLE_EQ(oneInChance(3), 10923.0 / 32768);
    // 480 halves five times to 15, and 2185 of the 32768 values are multiples of 15
    EXPECT_DOUBLE_EQ(oneInChance(480), 2185.0 / 1048576);
    // 80 -> 10 in three halvings; 1800 -> 14 in seven
    EXPECT_DOUBLE_EQ(oneInChance(80), 3277.0 / 262144);
    EXPECT_DOUBLE_EQ(oneInChance(1800), 2341.0 / 4194304);
    EXPECT_DOUBLE_EQ(remainderChance(3, 2), 10922.0 / 32768);
    double shares = 0;
    for (int s = 0; s < kSettings; s++)
        shares += settingShareInMidReserve(s);
    EXPECT_DOUBLE_EQ(shares, 1.0);
}

TEST(HallsimOdds, TheGeneratorPassesOneInAsOftenAsComputed)
{
    seedRandom(777);
    for (int n : {2, 3, 4, 16, 30, 32, 64, 80, 240, 480, 1800}) {
        const int64_t draws = 1200000;
        int64_t passed = 0;
        for (int64_t k = 0; k < draws; k++)
            passed += oneIn(n);
        EXPECT_TRUE(wilsonInterval(passed, draws, kZ999).contains(oneInChance(n)))
            << "oneIn(" << n << "): " << passed << " of " << draws << ", computed " << oneInChance(n) * draws;
    }
}

// The count over the generator's states draws as the game's own lottery
// does: the same classes and the same generator state afterwards, from many
// starting states, settings and kinds of draw.
TEST(HallsimOdds, TheCountedLotteryDrawsAsTheGameDoes)
{
    const LotteryTable& t = simLottery();
    std::mt19937 pick(5);
    for (int k = 0; k < 20000; k++) {
        uint32_t state = (uint32_t)pick();
        int start = k % kSettings, kind = (k / kSettings) % kDrawKinds;
        if (kind == kDrawChance && t.chanceOdds <= 0)
            kind = kDrawPlain;
        MachineState m{};
        m.setting = start;
        m.luckReserve = (t.hotAbove + t.coldBelow) / 2;
        if (kind == kDrawQuick) {
            m.continueBarred = 1;
            m.startsSincePrize = t.quickStarts;
        }
        seedRandom(state);
        lotteryPrelude(m, t);
        bool prize = oneIn(lotteryPrizeOdds(m, t, kind == kDrawChance));
        bool reach = !prize && oneIn(t.reachOdds[m.setting]);
        int engineClass = m.setting * 4 + (prize ? 2 : 0) + (reach ? 1 : 0);

        uint32_t counted = state;
        ASSERT_EQ(exactLotteryClass(counted, t, start, kind), engineClass) << state << " kind " << kind;
        ASSERT_EQ(counted, randomSeed) << "the count drew as many values as the game";
    }
}

TEST(HallsimOdds, CountedFiguresAreReadBackOnlyForTheirOwnTable)
{
    LotteryTable t = simLottery();
    ExactLottery e;
    e.computed[kDrawPlain] = true;
    for (int s = 0; s < kSettings; s++) {
        e.states[kDrawPlain][s] = 4000000000u + s;
        e.prizes[kDrawPlain][s] = 62500000u * (s + 1);
        e.reachesAfterMiss[kDrawPlain][s] = 500000000u;
    }
    std::string text = exactLotteryText(t, e);
    ExactLottery back;
    ASSERT_TRUE(parseExactLottery(text, t, &back));
    EXPECT_EQ(back.prizes[kDrawPlain][2], e.prizes[kDrawPlain][2]);
    EXPECT_TRUE(back.computed[kDrawPlain]);
    EXPECT_FALSE(back.computed[kDrawQuick]);
    EXPECT_DOUBLE_EQ(back.prizeChance(kDrawPlain, 1), (double)e.prizes[kDrawPlain][1] / e.states[kDrawPlain][1]);
    // counted for other numbers, or damaged: not used
    LotteryTable other = t;
    other.prizeOdds[0] += 1;
    EXPECT_FALSE(parseExactLottery(text, other, &back));
    EXPECT_FALSE(parseExactLottery(text.substr(0, text.size() / 2) + "kind 9 setting 0 1 2 3\n", t, &back));
    EXPECT_FALSE(parseExactLottery("", t, &back));
}

// The model's committed count is for its lottery as it stands: a changed
// table must be counted again (hallsim_<model> --write-exact-lottery).
TEST(HallsimOdds, TheModelsCountedLotteryIsForItsTable)
{
    std::FILE* f = std::fopen(HALLSIM_EXACT_LOTTERY, "rb");
    if (!f)
        GTEST_SKIP() << "no counted lottery for this model yet";
    std::string text;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        text.append(chunk, n);
    std::fclose(f);
    ExactLottery e;
    ASSERT_TRUE(parseExactLottery(text, simLottery(), &e)) << HALLSIM_EXACT_LOTTERY;
    for (int s = 0; s < kSettings; s++) {
        // each setting keeps all but the redraws that leave it: about 1 - 2/3 * 1/81
        double kept = (double)e.states[kDrawPlain][s] / 4294967296.0;
        EXPECT_NEAR(kept, 1 - 2.0 / 3 / 81, 0.002) << s;
        // and the prize comes out near the rule's own exact odds
        double rule = (double)odds::exactOneIn(simLottery().prizeOdds[s]).value();
        EXPECT_NEAR(e.prizeChance(kDrawPlain, s) / rule, 1.0, 0.05) << s;
    }
}

// --- counting at one machine ---

namespace {

// One machine stepped with the animation clock, a customer on the handle and
// a tray that never runs dry; after each step the watch's balls must match
// the tray exactly, since nothing else touches it here.
struct LoneMachine {
    MachineState m{};
    MachineWatch watch;
    int64_t fired = 0, paid = 0, spins = 0, prizes = 0, fevers = 0, rounds = 0;

    LoneMachine(uint32_t seed, int reserve)
    {
        seedRandom(seed);
        std::memset(&m, 0, sizeof m);
        resetMachineRecord(m, kResetNew);
        m.occupant = 1;
        m.launchPower = 48;
        m.luckReserve = reserve;
        m.balls = 1000000;
        startAnimClock();
        watch.begin(m);
    }

    // false on the first step whose count disagrees with the tray
    bool run(int64_t steps, std::string* why)
    {
        for (int64_t k = 0; k < steps; k++) {
            int32_t before = m.balls;
            advanceAnimClock();
            advanceAnimClock();
            machineStep(m);
            PassEvents e = watch.pass(m, isLaunchBeat());
            fired += e.fired;
            paid += e.paid;
            if (e.spinDone) {
                spins++;
                prizes += e.spin.prize;
            }
            if (e.feverDone) {
                fevers++;
                rounds += e.fever.rounds;
            }
            if (m.balls - before != e.paid - e.fired || e.unresolved) {
                std::ostringstream s;
                s << "step " << k << ": tray " << before << " -> " << m.balls << ", counted paid " << e.paid
                  << " fired " << e.fired << (e.unresolved ? " (unresolved)" : "");
                *why = s.str();
                return false;
            }
        }
        return true;
    }
};

} // namespace

TEST(HallsimObserver, BallsFiredAndPaidAccountForEveryChangeOfTheTray)
{
    for (int reserve : {40, 20, 0}) { // hot, drifting, cold
        LoneMachine lone(4100 + reserve, reserve);
        std::string why;
        EXPECT_TRUE(lone.run(400000, &why)) << "reserve " << reserve << ": " << why;
        EXPECT_GT(lone.fired, 20000);
        EXPECT_GT(lone.spins, 200);
        if (reserve == 40) {
            EXPECT_GT(lone.fevers, 10); // the payouts of fevers were part of it
            EXPECT_GT(lone.rounds, lone.fevers);
        }
        // each fever that ended was won by a counted spin
        EXPECT_LE(lone.fevers, lone.prizes);
        EXPECT_GE(lone.fevers, lone.prizes - 1);
    }
}

TEST(HallsimObserver, ASpinOrFeverAlreadyRunningAtTheStartIsNotCounted)
{
    LoneMachine lone(99, 40);
    std::string why;
    // run into the middle of a fever, then start watching afresh
    while (lone.m.mode != 3)
        ASSERT_TRUE(lone.run(1, &why)) << why;
    lone.watch.begin(lone.m);
    lone.spins = lone.fevers = lone.prizes = 0;
    while (lone.m.mode == 3)
        ASSERT_TRUE(lone.run(1, &why)) << why;
    EXPECT_EQ(lone.fevers, 0);
    while (lone.spins == 0)
        ASSERT_TRUE(lone.run(1, &why)) << why;
    EXPECT_EQ(lone.spins, 1); // the next whole spin counts
}

// --- the clock ---

TEST(HallsimClock, SecondsRollOverDaysMonthsAndYears)
{
    struct Case {
        BrokenDownTime from, to;
    } cases[] = {
        {makeLocalTime(2026, 12, 31, 23, 59, 59), makeLocalTime(2027, 1, 1, 0, 0, 0)},
        {makeLocalTime(2028, 2, 28, 23, 59, 59), makeLocalTime(2028, 2, 29, 0, 0, 0)},
        {makeLocalTime(2028, 2, 29, 23, 59, 59), makeLocalTime(2028, 3, 1, 0, 0, 0)},
        {makeLocalTime(2027, 2, 28, 23, 59, 59), makeLocalTime(2027, 3, 1, 0, 0, 0)},
        {makeLocalTime(2026, 4, 30, 23, 59, 59), makeLocalTime(2026, 5, 1, 0, 0, 0)},
        {makeLocalTime(2026, 12, 8, 9, 59, 59), makeLocalTime(2026, 12, 8, 10, 0, 0)},
    };
    for (const Case& c : cases) {
        BrokenDownTime t = c.from;
        addSecond(t);
        EXPECT_EQ(std::memcmp(&t, &c.to, sizeof t), 0) << formatTime(c.from) << " -> " << formatTime(t);
    }
}

// --- a hall run ---

namespace {

// From 09:30: the day shop opens at 10:00, the night shop closes. The day
// shop's first eight machines are kept hot by a full reserve, the other
// eight cold by an empty one (a spin adds to it one time in 240, far too
// seldom to lift it to 8 within the run).
const SimResult& pinnedDay()
{
    static SimResult result = [] {
        SimOptions o;
        o.seed = 31;
        o.startGiven = true;
        o.start = makeLocalTime(2026, 12, 8, 9, 30, 0);
        o.hours = 6.5;
        o.afterStart = [] {
            for (int i = 0; i < kMachinesPerShop; i++) {
                MachineState& m = shops[kDayShop].machines[i];
                // a reserve no run of prizes brings below the hot bound (models
                // that take one off per prize) and one no spin brings up to the
                // cold bound (a model that keeps it at 0 or above on a prize may
                // lift it to 0 after a rare cold win, and then it grows slowly)
                m.luckReserve = i < 8 ? 100000 : -100000;
                m.setting = i < 8 ? kSettingHot : kSettingCold;
            }
        };
        SimResult r;
        std::string error;
        EXPECT_TRUE(runHall(o, r, &error)) << error;
        return r;
    }();
    return result;
}

} // namespace

TEST(HallsimRun, AHallRunPaysMoreInTheHotSettingAndDrawsAtTheExactOdds)
{
    const SimResult& r = pinnedDay();
    EXPECT_EQ(r.passes, (int64_t)(6.5 * kPassesPerHour));
    EXPECT_EQ(r.end.hour, 16);
    EXPECT_EQ(r.unresolvedPayouts, 0);

    // the prizes of each setting's own draws lie around the exact chance
    ASSERT_GT(r.bySetting[kSettingHot].plainDraws, 2000);
    ASSERT_GT(r.bySetting[kSettingCold].plainDraws, 2000);
    for (int s = 0; s < kSettings; s++) {
        const Tally& t = r.bySetting[s];
        if (t.plainDraws < 500)
            continue; // the normal setting: only the night shop's last minutes
        EXPECT_TRUE(wilsonInterval(t.plainPrizes, t.plainDraws, kZ999).contains(exactPrizeChance(s)))
            << "setting " << s << ": " << t.plainPrizes << " prizes in " << t.plainDraws << " draws";
        EXPECT_TRUE(wilsonInterval(t.plainReaches, t.plainDraws, kZ999).contains(exactReachChance(s))) << s;
    }
    // and the hot setting's could not pass for the normal one's, where the
    // day holds enough of its prizes to tell (the rarer prizes of some models
    // would need a longer day than a unit test runs)
    const Tally& hot = r.bySetting[kSettingHot];
    if (hot.plainDraws * exactPrizeChance(kSettingHot) >= 80) {
        EXPECT_FALSE(wilsonInterval(hot.plainPrizes, hot.plainDraws, kZ999).contains(exactPrizeChance(0)));
    }

    // balls paid per ball fired: hot above cold, by more than the intervals
    const Tally& cold = r.bySetting[kSettingCold];
    EXPECT_GT(hot.payout.ratio() - hot.payout.halfWidth(), cold.payout.ratio() + cold.payout.halfWidth())
        << "hot " << hot.payout.ratio() << " cold " << cold.payout.ratio();
    // the same machine by machine: every kept-hot machine against every kept-cold one, in sum
    double hotPaid = 0, hotFired = 0, coldPaid = 0, coldFired = 0;
    for (int i = 0; i < kMachinesPerShop; i++) {
        const Tally& t = r.machines[kDayShop][i].tally;
        (i < 8 ? hotPaid : coldPaid) += (double)t.paid;
        (i < 8 ? hotFired : coldFired) += (double)t.fired;
        if (i < 8)
            EXPECT_EQ(r.machines[kDayShop][i].stepsBySetting[kSettingHot], r.passes) << i;
        else
            EXPECT_GE(r.machines[kDayShop][i].stepsBySetting[kSettingCold], r.passes * 95 / 100) << i;
    }
    EXPECT_GT(hotPaid / hotFired, coldPaid / coldFired);

    // the fevers: rounds 1..16, a few minutes each
    const Tally all = r.total();
    ASSERT_GT(all.fevers, 20);
    EXPECT_GE(all.rounds.mean(), 1);
    EXPECT_LE(all.rounds.mean(), 16);
    EXPECT_GT(all.feverSeconds.mean(), 60);
    EXPECT_LE(all.fevers, all.prizes());
    EXPECT_LE(all.feversKept, all.fevers);
}

// Where a machine favours its chance symbols by its reserve, the pinned
// day's full reserves favour every prize's symbol and the empty ones none;
// the chains' exact figure at a mix lies between the figures at none and all.
TEST(HallsimRun, ThePrizesThatFavouredTheChanceSymbolsAreTheHighReservesOnes)
{
    double shareAll, all, shareNone, none, shareMix, mix;
    if (!simChainFigures(1, 1, &shareAll, &all))
        GTEST_SKIP() << "no chance chains on this model";
    ASSERT_TRUE(simChainFigures(0, 0, &shareNone, &none));
    ASSERT_TRUE(simChainFigures(0.5, 0.5, &shareMix, &mix));
    EXPECT_LT(none, mix);
    EXPECT_LT(mix, all);

    const SimResult& r = pinnedDay();
    int64_t prizesHigh = 0, prizesLow = 0;
    for (int i = 0; i < kMachinesPerShop; i++) {
        const Tally& t = r.machines[kDayShop][i].tally;
        int64_t favoured = t.favouredPrizes[0] + t.favouredPrizes[1];
        EXPECT_EQ(favoured, i < 8 ? t.prizes() : 0) << "machine " << i;
        (i < 8 ? prizesHigh : prizesLow) += t.prizes();
    }
    EXPECT_GT(prizesHigh, 0);
    EXPECT_GT(prizesLow, 0);
}

TEST(HallsimRun, TheShopsOpenAndCloseOnTheClock)
{
    const SimResult& r = pinnedDay();
    const HourResult* day = r.hours[kDayShop];
    const HourResult* night = r.hours[kNightShop];
    EXPECT_NEAR(day[9].passes, 30 * 60 * 20, 1); // the pass at 10:00:00.000 is 10 o'clock's
    EXPECT_EQ(day[9].arrivals, 0); // closed until 10:00
    EXPECT_EQ(day[9].seatedSum, 0);
    EXPECT_GT(day[10].arrivals, 8); // the opening hour fills it
    EXPECT_GT(day[10].meanSeated(), 8);
    EXPECT_LE(day[13].meanSeated(), 8.0001); // at most 8 outside the busy hours
    EXPECT_GT(night[9].meanSeated(), 0);     // the night shop before its closing
    EXPECT_EQ(night[12].seatedSum, 0);       // and empty after it
    for (int h = 10; h < 16; h++)
        EXPECT_EQ(night[h].arrivals, 0) << h;
}

TEST(HallsimRun, BetweenSessionsTheHallIsSavedAndCaughtUpAtTheNextStartUp)
{
    SimOptions o;
    o.seed = 8;
    o.startGiven = true;
    o.start = makeLocalTime(2026, 12, 8, 21, 0, 0);
    o.hours = 26; // to 23:00 the next day
    o.sessionStart = 21 * 60 + 50;
    o.sessionEnd = 22 * 60 + 20; // across the day shop's closing and the night shop's opening
    o.afterStart = [] {
        shops[kDayShop].machines[0].luckReserve = simLottery().hotAbove + 8;
        shops[kDayShop].machines[0].setting = kSettingHot;
    };
    SimResult r;
    std::string error;
    ASSERT_TRUE(runHall(o, r, &error)) << error;

    ASSERT_EQ(r.sessions.size(), 2u);
    EXPECT_EQ(formatTime(r.sessions[0].time), "2026-12-08 21:50:00");
    EXPECT_EQ(formatTime(r.sessions[1].time), "2026-12-09 21:50:00");
    EXPECT_EQ(r.passes, 2 * (30 * 60 * 20 - 1)); // the pass at the moment of quitting never comes
    for (int h = 0; h < 24; h++) {
        if (h != 21 && h != 22) {
            EXPECT_EQ(r.hours[kDayShop][h].passes + r.hours[kNightShop][h].passes, 0) << h;
        }
    }
    // each start-up caught up the open day shop's absence; the night shop opened at 22:00
    EXPECT_GT(r.sessions[1].seated[kDayShop], 0);
    EXPECT_EQ(r.sessions[1].seated[kNightShop], 0);
    EXPECT_GT(r.hours[kNightShop][22].arrivals, 0);
    // the reserve came back from the saved hall, not from a fresh one (the
    // catch-up moves it, and a model's prizes may take some off)
    EXPECT_GE(r.machines[kDayShop][0].finalReserve, simLottery().hotAbove - 8);
    // hot all the first session; the new business day draws a setting afresh until its first spin
    EXPECT_GE(r.machines[kDayShop][0].stepsBySetting[kSettingHot], r.passes / 2);
    // the chart spans the day and has points only while the game ran
    EXPECT_EQ(r.watchMinutes, 24 * 60);
    EXPECT_NE(svgChart(r).find("game not running"), std::string::npos);
    for (const WatchPoint& p : r.watch) {
        int minute = p.minute % (24 * 60);
        EXPECT_TRUE(minute >= 50 && minute <= 80) << p.minute;
    }
}

// --- the shop file ---

namespace {

// A file of this model's tests alone: the models' tests run at once.
std::string tempPath(const char* name)
{
    return ::testing::TempDir() + MACHINE_PROGRAM "_" + name;
}

// A shop file as the game saves it, with a machine the run can recognise.
std::vector<uint8_t> savedShopFile()
{
    std::memset(shops, 0, sizeof shops);
    seedRandom(5);
    for (int s = 0; s < kShopCount; s++)
        for (int i = 0; i <= kSpareMachine; i++)
            resetMachine(s, i, kResetNew);
    shops[kDayShop].lastOpenStamp = makeLocalTime(2026, 12, 9, 15, 20, 0);
    shops[kNightShop].lastOpenStamp = makeLocalTime(2026, 12, 9, 9, 59, 0);
    shops[kDayShop].machines[5].luckReserve = simLottery().hotAbove + 12; // hot for good
    std::vector<uint8_t> bytes(kShopFileSize);
    encodeShopFile(shops, bytes.data());
    return bytes;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

TEST(HallsimShopFile, ARunFromAShopFileLeavesTheFileAsItWas)
{
    const std::string path = tempPath("hallsim_shop.dat");
    const std::vector<uint8_t> saved = savedShopFile();
    ASSERT_TRUE(writeFile(path, saved));
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);

    SimOptions o;
    ASSERT_TRUE(readFileBytes(path.c_str(), o.shopFile));
    BrokenDownTime last{};
    ASSERT_TRUE(lastMomentOpen(o.shopFile, last));
    EXPECT_EQ(formatTime(last), "2026-12-09 15:20:00"); // the later of the two stamps
    o.hours = 0.5;
    SimResult r;
    std::string error;
    ASSERT_TRUE(runHall(o, r, &error)) << error;
    EXPECT_EQ(formatTime(r.start), "2026-12-09 15:20:00");
    // the file's machines were the ones run: its hot reserve (a prize may take
    // one off on some models, never half an hour's worth)
    EXPECT_GT(r.machines[kDayShop][5].finalReserve, simLottery().hotAbove);
    EXPECT_EQ(r.machines[kDayShop][5].finalSetting, kSettingHot);

    // the program too, with every output, quitting (and saving) once on the way
    const std::string command = std::string("\"") + HALLSIM_PROGRAM + "\" --quiet --hours 0.25 --session 15:25-15:30 --shop-file \"" + path
                                + "\" --csv \"" + tempPath("hallsim_shop.csv") + "\" --svg \""
                                + tempPath("hallsim_shop.svg") + "\" > \"" + tempPath("hallsim_shop.txt") + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;

    std::vector<uint8_t> after;
    ASSERT_TRUE(readFileBytes(path.c_str(), after));
    EXPECT_EQ(after, saved);
    struct stat later {};
    ASSERT_EQ(stat(path.c_str(), &later), 0);
    EXPECT_EQ(later.st_mtime, before.st_mtime);
    EXPECT_EQ(later.st_size, before.st_size);
    std::remove(path.c_str());
}

TEST(HallsimShopFile, AFileThatIsNotAShopFileIsRefused)
{
    std::vector<uint8_t> bytes = savedShopFile();
    SimOptions o;
    o.hours = 0.01;
    SimResult r;
    std::string error;
    o.shopFile.assign(bytes.begin(), bytes.end() - 1); // one byte short
    EXPECT_FALSE(runHall(o, r, &error));
    EXPECT_NE(error.find("shop file"), std::string::npos);
    o.shopFile = bytes;
    o.shopFile[300] ^= 0x40; // a checksum fails
    EXPECT_FALSE(runHall(o, r, &error));
}

// --- the reports ---

TEST(HallsimReport, TableCsvAndChartCarryTheFigures)
{
    const SimResult& r = pinnedDay();
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    writeCsv(f, r);
    std::rewind(f);
    char line[4096];
    int rows = 0, fields = -1;
    int settingRows = 0, machineRows = 0, hourRows = 0;
    while (std::fgets(line, sizeof line, f)) {
        int commas = 0;
        for (const char* c = line; *c; c++)
            commas += *c == ',';
        if (fields < 0)
            fields = commas;
        EXPECT_EQ(commas, fields) << "row " << rows << ": " << line;
        settingRows += std::strncmp(line, "setting,", 8) == 0;
        machineRows += std::strncmp(line, "machine,", 8) == 0;
        hourRows += std::strncmp(line, "hour,", 5) == 0;
        rows++;
    }
    std::fclose(f);
    EXPECT_EQ(settingRows, kSettings);
    EXPECT_EQ(machineRows, kShopCount * kMachinesPerShop);
    EXPECT_EQ(hourRows, kShopCount * 8); // 09..16 in each shop

    f = std::tmpfile();
    writeTable(f, r);
    std::rewind(f);
    std::string table;
    while (std::fgets(line, sizeof line, f))
        table += line;
    std::fclose(f);
    EXPECT_NE(table.find("1 hot"), std::string::npos);
    EXPECT_NE(table.find("night 20"), std::string::npos);
    EXPECT_NE(table.find("exact 1 in  inside"), std::string::npos);

    std::string svg = svgChart(r);
    EXPECT_EQ(svg.rfind("<svg", 0), 0u);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    size_t open = 0, close = 0;
    for (size_t p = 0; (p = svg.find("<text", p)) != std::string::npos; p++)
        open++;
    for (size_t p = 0; (p = svg.find("</text>", p)) != std::string::npos; p++)
        close++;
    EXPECT_EQ(open, close);
    EXPECT_NE(svg.find(machineName(r.watchShop, r.watchMachine)), std::string::npos);
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
    EXPECT_EQ(svg.find("game not running"), std::string::npos); // it ran all along
}

// Jobs: independent halls with their own seeds, each a share of the
// calendar, merged; the same figures as the two halls run one after the
// other and merged by hand.
TEST(HallsimJobs, TwoJobsAreTwoHallsMerged)
{
    SimOptions o;
    o.seed = 41;
    o.hours = 1;
    o.startGiven = true;
    o.start = makeLocalTime(2026, 12, 8, 15, 0, 0);
    SimResult together;
    std::string error;
    ASSERT_TRUE(runHallJobs(o, 2, together, &error)) << error;

    SimOptions first = o, second = o;
    first.hours = second.hours = 0.5;
    second.seed = 42;
    second.start = makeLocalTime(2026, 12, 8, 15, 30, 0);
    SimResult a, b;
    ASSERT_TRUE(runHall(first, a, &error));
    ASSERT_TRUE(runHall(second, b, &error));
    mergeResult(a, b);

    EXPECT_EQ(together.passes, a.passes);
    EXPECT_EQ(together.passes, (int64_t)kPassesPerHour);
    Tally x = together.total(), y = a.total();
    EXPECT_EQ(x.spins(), y.spins());
    EXPECT_EQ(x.prizes(), y.prizes());
    EXPECT_EQ(x.fired, y.fired);
    EXPECT_EQ(x.paid, y.paid);
    EXPECT_EQ(together.machines[kNightShop][3].tally.plainDraws, a.machines[kNightShop][3].tally.plainDraws);
    EXPECT_EQ(together.hours[kDayShop][15].passes, a.hours[kDayShop][15].passes);
    EXPECT_EQ(together.end.hour, 16);
}
