// Machine No.2's waves, 8-bit mono at 11,025 Hz: 701 spin start, 702 reel
// stop, 703 reach and 704 double reach (looped through the reach turn), 705
// the reach action, 706 fanfare, 707 round start (looped until the door
// opens), 708 round music and 709 the last round's (looped while the door is
// open), 710 the fever's end. A looped wave is whole bars: every note ends
// inside it and the first starts from silence, so the join does not click.
#include "no2_art.h"
#include "synth.h"

using namespace notes;

namespace {

const int kRate = 11025;

// A loop rendered so that its last samples come to rest as its first start.
std::vector<uint8_t> loop(const Mix& m)
{
    return m.render(0.004);
}

// 701: the spin start, a skipping G major tune over a bouncing bass while the
// reels run.
std::vector<uint8_t> spinStart()
{
    double spb = 0.3;
    Mix m(7.0, kRate);
    const int chords[4][3] = {{G4, B4, D5}, {E4, G4, B4}, {C5, E5, G5}, {D5, F5 + 1, A5}};
    const int bass[4] = {G3 - 12, E3, C3, D3};
    for (int bar = 0; bar < 6; bar++) {
        double t = bar * 4 * spb;
        const int* ch = chords[bar % 4];
        for (int b = 0; b < 4; b++) {
            m.note(t + b * spb, spb * 0.4, bass[bar % 4] + (b % 2 ? 12 : 0), Voice::Triangle, 0.36);
            m.drum(t + b * spb, b % 2 ? Drum::Snare : Drum::Kick, 0.28);
            m.drum(t + b * spb + spb / 2, Drum::Hat, 0.18);
            for (int n = 0; n < 3; n++)
                m.note(t + b * spb + spb / 2, spb * 0.3, ch[n], Voice::Pulse, 0.06);
        }
    }
    play(m, 0, spb,
         {{0, 0.5, D5}, {0.5, 0.5, G5}, {1, 0.5, B5}, {1.5, 0.5, G5}, {2, 1, D6}, {3, 1, B5}, {4, 0.5, E5}, {4.5, 0.5, G5},
          {5, 1, B5}, {6, 1.5, A5}, {7.5, 0.5, G5}, {8, 0.5, E5}, {8.5, 0.5, G5}, {9, 0.5, C6}, {9.5, 0.5, E6},
          {10, 2, C6}, {12, 1, A5}, {13, 0.5, F5 + 1}, {13.5, 0.5, A5}, {14, 2, D6}, {16, 0.5, D5}, {16.5, 0.5, G5},
          {17, 0.5, B5}, {17.5, 0.5, D6}, {18, 2, G5 + 12}, {20, 1, D6}, {21, 1, B5}, {22, 2, G5}},
         Voice::Bell, 0.3);
    return m.render(0.5);
}

// 702: a reel stops, a wooden clunk with a metal tick on top.
std::vector<uint8_t> reelStop()
{
    Mix m(0.3, kRate);
    m.drum(0, Drum::Click, 0.8);
    m.glide(0, 0.04, 1800, 900, Voice::Square, 0.3);
    m.glide(0.004, 0.14, 260, 110, Voice::Triangle, 0.75);
    return m.render(0.12);
}

// 703 and 704: the reach, a heartbeat under a minor ostinato and a siren that
// climbs through the two bars; the double reach the same at twice the pace,
// a fourth higher, with a snare on every beat.
std::vector<uint8_t> reach(bool twice)
{
    const double seconds = 3.2, spb = seconds / 8;
    Mix m(seconds, kRate);
    int lift = twice ? 5 : 0;
    int subdivisions = twice ? 4 : 2;
    static const int kOstinato[8] = {A3 - 12, A3, E3, A3, C4 - 12, A3, G3, E3};
    for (int k = 0; k < 8 * subdivisions; k++) {
        double t = k * spb / subdivisions;
        m.note(t, spb / subdivisions * 0.7, kOstinato[k % 8] + lift, Voice::Triangle, 0.36);
        if (k % 2 == 0)
            m.note(t, spb / subdivisions * 0.4, (k % 4 ? E5 : A5) + lift, Voice::Pulse, 0.07);
    }
    for (int b = 0; b < 8; b++) {
        double t = b * spb;
        m.drum(t, Drum::Kick, 0.5);
        m.drum(t + spb * 0.25, Drum::Kick, 0.3); // the heartbeat's second thump
        if (twice || b % 2)
            m.drum(t + spb / 2, Drum::Snare, twice ? 0.22 : 0.26);
        m.drum(t + spb * 0.75, Drum::Hat, 0.14);
    }
    // the siren: a glide up and back in each bar
    for (int bar = 0; bar < 2; bar++) {
        double t = bar * 4 * spb;
        double f = noteFrequency(A4 + lift + 2 * bar);
        m.glide(t, 2 * spb * 0.95, f, f * 1.5, Voice::Brass, 0.16);
        m.glide(t + 2 * spb, 2 * spb * 0.85, f * 1.5, f * 1.12, Voice::Brass, 0.16);
    }
    return loop(m);
}

// 705: the action, a drum roll that swells and climbs while the middle reel
// makes its last slow run; the reel's stop cuts it off.
std::vector<uint8_t> action()
{
    const double seconds = 6.6;
    Mix m(seconds, kRate);
    for (double t = 0; t < seconds - 0.2; t += 0.06)
        m.drum(t, Drum::Snare, 0.12 + 0.25 * t / seconds);
    for (int k = 0; k < 12; k++) { // a rising figure, a step every half second
        double t = 0.1 + k * 0.52;
        m.note(t, 0.45, A3 + k, Voice::Brass, 0.2);
        m.note(t, 0.45, E4 + k, Voice::Brass, 0.12);
        m.drum(t, Drum::Kick, 0.45);
    }
    m.glide(0.2, seconds - 0.4, noteFrequency(E5), noteFrequency(E6), Voice::Pulse, 0.05);
    return m.render(0.2);
}

// 706: the fanfare, brass triplets up to a held C major, cymbals, then a
// happy run to the first round.
std::vector<uint8_t> fanfare()
{
    double spb = 0.36;
    Mix m(6.2, kRate);
    snareRoll(m, 16, 0.045, 0.12, 0.015);
    double t = 0.75;
    const double third = 1.0 / 3;
    play(m, t, spb,
         {{0, third, C5}, {third, third, C5}, {2 * third, third, C5}, {1, 1.5, G5}, {2.5, 0.5, E5}, {3, third, F5},
          {3 + third, third, G5}, {3 + 2 * third, third, A5}, {4, 2, C6}, {6, 0.5, A5}, {6.5, 0.5, C6}, {7, 3, E6}},
         Voice::Brass, 0.32);
    play(m, t, spb, {{1, 1.5, E5}, {4, 2, A5}, {7, 3, G5}}, Voice::Brass, 0.18);
    m.drum(t + 4 * spb, Drum::Cymbal, 0.45);
    m.drum(t + 7 * spb, Drum::Cymbal, 0.6);
    for (int b = 0; b < 10; b++)
        m.note(t + b * spb, spb * 0.5, b < 4 ? C3 : b < 7 ? F3 : C3, Voice::Triangle, 0.4);
    double t2 = t + 10 * spb;
    const int run[8] = {C5, E5, G5, C6, E6, C6, G5, E5};
    for (int k = 0; k < 16; k++) {
        m.note(t2 + k * spb / 4, spb / 4 * 0.8, run[k % 8], Voice::Pulse, 0.13);
        if (k % 4 == 0)
            m.drum(t2 + k * spb / 4, k % 8 ? Drum::Snare : Drum::Kick, 0.35);
    }
    m.note(t2 + 4 * spb, 1.2, C6, Voice::Bell, 0.35);
    m.note(t2 + 4 * spb, 1.2, G5, Voice::Bell, 0.25);
    m.note(t2 + 4 * spb, 1.0, C3, Voice::Triangle, 0.4);
    m.drum(t2 + 4 * spb, Drum::Cymbal, 0.4);
    return m.render(0.7);
}

// 707: the round start, a bright call that repeats until the door opens.
std::vector<uint8_t> roundStart()
{
    const double seconds = 1.6, spb = seconds / 8;
    Mix m(seconds, kRate);
    play(m, 0, spb, {{0, 0.5, G4}, {0.5, 0.5, C5}, {1, 0.5, E5}, {1.5, 0.5, G5}, {2, 1.5, C6}, {4, 0.5, A5},
                     {4.5, 0.5, B5}, {5, 1.5, C6}},
         Voice::Pulse, 0.2);
    play(m, 0, spb, {{2, 1.5, E5}, {5, 1.5, G5}}, Voice::Brass, 0.14);
    for (int b = 0; b < 8; b++) {
        m.note(b * spb, spb * 0.4, b % 2 ? C4 - 12 + 7 : C3, Voice::Triangle, 0.36);
        m.drum(b * spb, b % 2 ? Drum::Snare : Drum::Kick, 0.3);
    }
    return loop(m);
}

// 708 and 709: the round music, four bars of a bright shuffle in F while the
// door is open; the last round's is in D minor turning to F, faster and with
// the melody doubled.
std::vector<uint8_t> roundMusic(bool last)
{
    const double seconds = 6.4, spb = seconds / 16;
    Mix m(seconds, kRate);
    const int happy[4][3] = {{F4, A4, C5}, {D4, F4, A4}, {A3 + 12, C5, E5}, {C4 + 12, E5, G5}};
    const int bold[4][3] = {{D4, F4, A4}, {A3, C4, E4}, {G3, B3 - 1, D4}, {C4, E4, G4}}; // Dm Am Gm C
    const int happyBass[4] = {F3, D3, A3 - 12, C3};
    const int boldBass[4] = {D3, A3 - 12, G3 - 12, C3};
    const int(*chords)[3] = last ? bold : happy;
    const int* bass = last ? boldBass : happyBass;
    for (int bar = 0; bar < 4; bar++) {
        double t = bar * 4 * spb;
        bounceBar(m, t, spb, bass[bar], 0.38, chords[bar], 0.28, 0.06, last ? 12 : 0);
        for (int b = 0; b < 4; b++) {
            m.drum(t + b * spb, b % 2 ? Drum::Snare : Drum::Kick, 0.34);
            m.drum(t + b * spb + spb / 2, Drum::Hat, 0.16);
            if (last)
                m.drum(t + b * spb + spb / 4, Drum::Hat, 0.1);
        }
    }
    if (!last)
        play(m, 0, spb,
             {{0, 0.5, C5}, {0.5, 0.5, F5}, {1, 1, A5}, {2, 0.5, G5}, {2.5, 0.5, F5}, {3, 1, D5}, {4, 0.5, F5},
              {4.5, 0.5, A5}, {5, 1, D6}, {6, 1, C6}, {7, 0.5, A5}, {8, 1, E5}, {9, 0.5, G5}, {9.5, 0.5, A5},
              {10, 1.5, C6}, {12, 1, G5}, {13, 0.5, E5}, {13.5, 0.5, G5}, {14, 1.2, F5}},
             Voice::Square, 0.16);
    else
        for (int voice = 0; voice < 2; voice++)
            play(m, 0, spb,
                 {{0, 1, A5}, {1, 0.5, F5}, {1.5, 0.5, A5}, {2, 1, D6}, {3, 1, C6}, {4, 1.5, E5}, {5.5, 0.5, G5},
                  {6, 1, C6}, {7, 1, A5}, {8, 1, D6}, {9, 0.5, C6}, {9.5, 0.5, A5}, {10, 1.5, F5}, {12, 1, G5},
                  {13, 1, C6}, {14, 1.2, E6}},
                 voice ? Voice::Brass : Voice::Square, voice ? 0.1 : 0.15, voice ? -12 : 0);
    return loop(m);
}

// 710: the fever's end, a slow thank-you tune that settles on a held chord.
std::vector<uint8_t> ending()
{
    double spb = 0.5;
    Mix m(10.0, kRate);
    play(m, 0, spb,
         {{0, 1, C5}, {1, 1, E5}, {2, 2, G5}, {4, 1, A5}, {5, 1, G5}, {6, 2, E5}, {8, 1, F5}, {9, 1, E5}, {10, 1, D5},
          {11, 1, G4}, {12, 1, C5}, {13, 0.5, D5}, {13.5, 0.5, E5}, {14, 2, D5}, {16, 4, C5}},
         Voice::Bell, 0.4);
    const int chords[5][3] = {{C4, E4, G4}, {F3, A3, C4}, {D4 - 12, F3, A3}, {G3, B3, D4}, {C4, E4, G4}};
    for (int bar = 0; bar < 5; bar++)
        for (int n = 0; n < 3; n++)
            m.note(bar * 4 * spb, 4 * spb * 0.95, chords[bar][n], Voice::Triangle, 0.13);
    for (int n = 0; n < 3; n++)
        m.note(20 * spb, 1.6, chords[4][n] + 12, Voice::Bell, 0.22);
    m.drum(20 * spb, Drum::Cymbal, 0.25);
    return m.render(1.0);
}

} // namespace

void makeSounds(ArtSet& out)
{
    out.wave(701, spinStart());
    out.wave(702, reelStop());
    out.wave(703, reach(false));
    out.wave(704, reach(true));
    out.wave(705, action());
    out.wave(706, fanfare());
    out.wave(707, roundStart());
    out.wave(708, roundMusic(false));
    out.wave(709, roundMusic(true));
    out.wave(710, ending());
}
