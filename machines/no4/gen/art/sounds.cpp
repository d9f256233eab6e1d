// Machine No.4's waves, 8-bit mono at 11,025 Hz: 701 reels running (looped),
// 702 reel stop, 703 creep reach (looped), 704 action reach (looped), 705
// fanfare, 706 round music (looped). A looped wave starts from silence and
// every note in it has died away before its end, so the join does not click.
#include "no4_art.h"
#include "synth.h"

using namespace notes;

namespace {

const int kRate = 11025;

// 701: the reels running, one bar that loops: a running sixteenth figure
// over a bass that bounces, with the hats ticking like the reels' cells.
std::vector<uint8_t> reelsRunning()
{
    double seconds = 1.6, spb = seconds / 4;
    Mix m(seconds, kRate);
    const int figure[16] = {C5, E5, G5, C6, G5, E5, A5, C6, F5, A5, C6, A5, G5, B5, D6, B5};
    for (int k = 0; k < 16; k++)
        m.note(k * spb / 4, spb / 4 * 0.7, figure[k], Voice::Pulse, 0.13);
    const int bass[4] = {C3, A3 - 12, F3, G3};
    for (int b = 0; b < 4; b++) {
        m.note(b * spb, spb * 0.4, bass[b], Voice::Triangle, 0.4);
        m.note(b * spb + spb / 2, spb * 0.3, bass[b] + 12, Voice::Triangle, 0.3);
        m.drum(b * spb + spb / 4, Drum::Hat, 0.18);
        if (b < 3)
            m.drum(b * spb + 3 * spb / 4, Drum::Hat, 0.14);
    }
    m.drum(0.004, Drum::Kick, 0.35);
    m.drum(2 * spb, Drum::Snare, 0.25);
    return m.render(0.0);
}

// 702: a reel stops: a bright clack with a knock under it.
std::vector<uint8_t> reelStop()
{
    Mix m(0.2, kRate);
    m.drum(0, Drum::Click, 0.9);
    m.glide(0, 0.04, 1800, 900, Voice::Square, 0.3);
    m.glide(0.004, 0.1, 260, 110, Voice::Triangle, 0.7);
    return m.render(0.08);
}

// 703: the creep reach: a clock ticking on every beat, a bass that climbs a
// semitone each beat and a questioning figure on top; two bars, looped.
std::vector<uint8_t> creepReach()
{
    double seconds = 3.2, spb = seconds / 8;
    Mix m(seconds, kRate);
    for (int b = 0; b < 8; b++) {
        double t = b * spb;
        m.drum(t + 0.002, Drum::Click, 0.5);
        m.glide(t + 0.002, 0.03, 2400, 2000, Voice::Square, 0.12);
        m.note(t, spb * 0.8, A3 - 12 + b, Voice::Triangle, 0.42);
        m.note(t + spb / 2, spb * 0.3, E4 + b, Voice::Pulse, 0.08);
    }
    play(m, 0, spb, {{0, 1.5, A5}, {1.5, 0.5, G5}, {2, 2, E5}, {4, 1.5, B5}, {5.5, 0.5, A5}, {6, 1.6, E6}},
         Voice::Bell, 0.26);
    return m.render(0.0);
}

// 704: the action reach: pounding drums, a siren sweeping up and down and
// brass stabs; two bars, looped.
std::vector<uint8_t> actionReach()
{
    double seconds = 3.2, spb = seconds / 8;
    Mix m(seconds, kRate);
    for (int b = 0; b < 8; b++) {
        double t = b * spb;
        m.drum(t + 0.002, Drum::Kick, 0.5);
        m.drum(t + spb / 2, Drum::Kick, 0.3);
        if (b % 2)
            m.drum(t, Drum::Snare, 0.4);
        m.drum(t + spb / 4, Drum::Hat, 0.15);
        m.drum(t + 3 * spb / 4, Drum::Hat, 0.15);
        m.note(t, spb * 0.35, (b % 4 < 2 ? D3 : F3) - 12, Voice::Square, 0.22);
        m.note(t + spb / 2, spb * 0.35, (b % 4 < 2 ? D3 : F3), Voice::Square, 0.16);
    }
    for (int k = 0; k < 4; k++) { // the siren
        double t = k * 2 * spb;
        m.glide(t, spb * 0.95, 620, 1240, Voice::Triangle, 0.16);
        m.glide(t + spb, spb * 0.9, 1240, 620, Voice::Triangle, 0.16);
    }
    play(m, 0, spb, {{0, 0.4, D5}, {0.5, 0.4, D5}, {1.5, 0.5, F5}, {3, 0.8, A5}, {4, 0.4, D5}, {4.5, 0.4, D5},
                     {5.5, 0.5, G5}, {7, 0.7, A5}},
         Voice::Brass, 0.24);
    return m.render(0.0);
}

// 705: the big prize's fanfare: a drum roll, brass triplets rising to a big
// chord, then a running celebration.
std::vector<uint8_t> fanfare()
{
    double spb = 0.36;
    Mix m(6.4, kRate);
    snareRoll(m, 20, 0.05, 0.12, 0.012);
    double t = 1.0;
    play(m, t, spb,
         {{0, 1.0 / 3, C5}, {1.0 / 3, 1.0 / 3, C5}, {2.0 / 3, 1.0 / 3, C5}, {1, 2, F5}, {3, 1.0 / 3, C5},
          {3.333, 1.0 / 3, F5}, {3.667, 1.0 / 3, A5}, {4, 3, C6}, {7, 0.5, A5}, {7.5, 0.5, C6}, {8, 3, F5 + 12}},
         Voice::Brass, 0.32);
    play(m, t, spb, {{1, 2, A4}, {4, 3, E5}, {8, 3, C6}}, Voice::Brass, 0.2);
    m.drum(t + 8 * spb, Drum::Cymbal, 0.6);
    for (int b = 0; b < 11; b++)
        m.note(t + b * spb, spb * 0.5, b < 4 ? F3 : b < 7 ? C3 : F3, Voice::Triangle, 0.4);
    double t2 = t + 11 * spb;
    const int chord[3] = {F5, A5, C6};
    arpeggio(m, t2, spb, chord, 20, Voice::Pulse, 0.12, -12);
    play(m, t2, spb, {{0, 1, C6}, {1, 1, A5}, {2, 1, F5}, {3, 2, C6}}, Voice::Bell, 0.34);
    marchBeats(m, t2, spb, 5, 0.35, F3, 0.35);
    return m.render(0.6);
}

// 706: the round music, four bars that loop: a bouncy tune over a walking
// bass and a steady beat.
std::vector<uint8_t> roundMusic()
{
    double seconds = 6.4, spb = seconds / 16;
    Mix m(seconds, kRate);
    const int chords[4][3] = {{F4, A4, C5}, {D4, F4, A4}, {A3 + 1, D4, F4}, {C4, E4, G4}};
    const int bass[4] = {F3, D3, A3 + 1, C3};
    for (int bar = 0; bar < 4; bar++) {
        double t = bar * 4 * spb;
        bounceBar(m, t, spb, bass[bar], 0.36, chords[bar], 0.25, 0.06, 12);
        for (int b = 0; b < 4; b++) {
            m.drum(t + b * spb + (bar == 0 && b == 0 ? 0.003 : 0), b % 2 ? Drum::Snare : Drum::Kick, 0.33);
            if (bar < 3 || b < 3)
                m.drum(t + b * spb + spb / 2, Drum::Hat, 0.16);
        }
    }
    play(m, 0, spb,
         {{0, 0.5, C5}, {0.5, 0.5, F5}, {1, 1, A5}, {2, 0.5, G5}, {2.5, 0.5, F5}, {3, 1, A5}, {4, 1, D5 + 12},
          {5, 0.5, C6}, {5.5, 0.5, A5}, {6, 1.5, F5}, {8, 1, B5 - 1}, {9, 0.5, A5}, {9.5, 0.5, B5 - 1}, {10, 1, D6},
          {11, 1, C6}, {12, 1, G5}, {13, 0.5, A5}, {13.5, 0.5, B5 - 1}, {14, 1.2, C6}},
         Voice::Square, 0.15);
    return m.render(0.0);
}

} // namespace

void makeSounds(ArtSet& out)
{
    out.wave(701, reelsRunning(), kRate);
    out.wave(702, reelStop(), kRate);
    out.wave(703, creepReach(), kRate);
    out.wave(704, actionReach(), kRate);
    out.wave(705, fanfare(), kRate);
    out.wave(706, roundMusic(), kRate);
}
