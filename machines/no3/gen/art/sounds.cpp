// Machine No.3's waves, 8-bit mono at 11,025 Hz: 701 spin start, 702 reel
// stop, 703 lost spin, 704 reach, 705 fanfare, 706 round start, 707 round
// music (looped: it ends where it starts, in silence, on a whole bar), 708
// fever ending.
#include "no3_art.h"
#include "synth.h"

using namespace notes;

namespace {

// 701: the spin start, a bright running jingle over C - Am - F - G.
std::vector<uint8_t> spinStart()
{
    double spb = 0.36;
    Mix m(6.9);
    const int chords[4][3] = {{C5, E5, G5}, {A4, C5, E5}, {F4, A4, C5}, {G4, B4, D5}};
    const int bass[4] = {C3, A3 - 12, F3, G3};
    for (int bar = 0; bar < 5; bar++) {
        double t = bar * 4 * spb;
        arpeggio(m, t, spb, chords[bar % 4], 16, Voice::Pulse, 0.16); // a bar of it
        for (int b = 0; b < 4; b++) {
            m.note(t + b * spb, spb * 0.45, bass[bar % 4] + (b % 2 ? 12 : 0), Voice::Triangle, 0.35);
            m.drum(t + b * spb, b % 2 ? Drum::Snare : Drum::Kick, 0.3);
            m.drum(t + b * spb + spb / 2, Drum::Hat, 0.2);
        }
    }
    play(m, 0, spb,
         {{0, 1, G5}, {1, 0.5, E5}, {1.5, 0.5, G5}, {2, 1, C6}, {3, 1, G5}, {4, 1.5, A5}, {5.5, 0.5, G5}, {6, 1, E5},
          {7, 1, C5}, {8, 1, F5}, {9, 0.5, A5}, {9.5, 0.5, C6}, {10, 2, A5}, {12, 1, B5}, {13, 1, D5 + 12}, {14, 2, G5},
          {16, 1, C6}, {17, 0.5, G5}, {17.5, 0.5, E5}, {18, 1, C6}},
         Voice::Bell, 0.3);
    return m.render(0.4);
}

// 702: the reel stop, a short clack with a wooden knock under it.
std::vector<uint8_t> reelStop()
{
    Mix m(0.3);
    m.drum(0, Drum::Click, 0.9);
    m.glide(0, 0.05, 1400, 700, Voice::Square, 0.35);
    m.glide(0.005, 0.12, 220, 90, Voice::Triangle, 0.7);
    return m.render(0.1);
}

// 703: the lost spin, three falling notes and a sag.
std::vector<uint8_t> lostSpin()
{
    Mix m(1.1);
    m.note(0.0, 0.14, G4, Voice::Square, 0.3);
    m.note(0.16, 0.14, E4, Voice::Square, 0.3);
    m.glide(0.32, 0.55, noteFrequency(C4), noteFrequency(C4) * 0.8, Voice::Square, 0.3);
    m.note(0.32, 0.55, C3, Voice::Triangle, 0.4);
    return m.render(0.3);
}

// 704: the reach, tension music: a minor ostinato climbing a semitone every
// two bars, drums doubling up, a siren line on top.
std::vector<uint8_t> reach()
{
    double spb = 0.42;
    Mix m(24.5);
    int bars = (int)(24.5 / (4 * spb));
    for (int bar = 0; bar <= bars; bar++) {
        double t = bar * 4 * spb;
        int lift = bar / 2; // a semitone every two bars
        for (int k = 0; k < 8; k++) {
            static const int kOstinato[8] = {A3 - 12, A3, A3 - 12, C4 - 12, A3 - 12, E3, A3 - 12, G3};
            m.note(t + k * spb / 2, spb * 0.4, kOstinato[k] + lift, Voice::Triangle, 0.38);
            m.note(t + k * spb / 2, spb * 0.2, (k % 2 ? (int)E5 : (int)A4) + lift, Voice::Pulse, 0.09);
        }
        for (int b = 0; b < 4; b++) {
            m.drum(t + b * spb, Drum::Kick, 0.45);
            if (b % 2)
                m.drum(t + b * spb, Drum::Snare, 0.3);
            m.drum(t + b * spb + spb / 2, Drum::Hat, 0.18);
            if (bar >= bars - 4) // the last bars race
                m.drum(t + b * spb + spb / 4, Drum::Snare, 0.2);
        }
        // the siren line, every second bar
        if (bar % 2 == 0) {
            play(m, t, spb, {{0, 1.5, A5}, {1.5, 0.5, G5}, {2, 1, E5}, {3, 1, C6}}, Voice::Brass, 0.2, lift);
        } else {
            play(m, t, spb, {{0, 1, B5}, {1, 1, A5}, {2, 2, E5}}, Voice::Brass, 0.2, lift);
        }
    }
    return m.render(0.5);
}

// 705: the fever fanfare, brass triplets, a drum roll and a big C major.
std::vector<uint8_t> fanfare()
{
    double spb = 0.4;
    Mix m(9.6);
    snareRoll(m, 24, 0.05, 0.15, 0.01);
    double t = 1.2;
    play(m, t, spb,
         {{0, 1.0 / 3, G4}, {1.0 / 3, 1.0 / 3, G4}, {2.0 / 3, 1.0 / 3, G4}, {1, 2, C5}, {3, 1.0 / 3, G4}, {3.333, 1.0 / 3, C5},
          {3.667, 1.0 / 3, E5}, {4, 3, G5}, {7, 0.5, E5}, {7.5, 0.5, G5}, {8, 4, C6}},
         Voice::Brass, 0.32);
    play(m, t, spb, {{1, 2, E4}, {4, 3, B4}, {8, 4, G5}}, Voice::Brass, 0.2);
    m.drum(t + 8 * spb, Drum::Cymbal, 0.6);
    for (int b = 0; b < 12; b++)
        m.note(t + b * spb, spb * 0.5, b < 4 ? C3 : b < 7 ? G3 - 12 : C3, Voice::Triangle, 0.4);
    // celebration: a running major figure till the end
    double t2 = t + 12 * spb;
    const int chord[3] = {C5, E5, G5};
    arpeggio(m, t2, spb, chord, 32, Voice::Pulse, 0.14); // two bars
    play(m, t2, spb, {{0, 1, C6}, {1, 1, G5}, {2, 1, E5}, {3, 1, G5}, {4, 3, C6}}, Voice::Bell, 0.35);
    marchBeats(m, t2, spb, 8, 0.35, C3, 0.35);
    m.drum(t2 + 8 * spb, Drum::Cymbal, 0.5);
    return m.render(0.8);
}

// 706: the round start, a run up to a bright chord.
std::vector<uint8_t> roundStart()
{
    Mix m(2.4);
    const int run[6] = {C5, D5, E5, G5, A5, C6};
    for (int k = 0; k < 6; k++)
        m.note(k * 0.08, 0.07, run[k], Voice::Pulse, 0.25);
    m.note(0.55, 1.1, C6, Voice::Brass, 0.28);
    m.note(0.55, 1.1, G5, Voice::Brass, 0.2);
    m.note(0.55, 1.1, E5, Voice::Brass, 0.2);
    m.note(0.55, 0.6, C3, Voice::Triangle, 0.45);
    m.drum(0.55, Drum::Kick, 0.5);
    m.drum(0.55, Drum::Cymbal, 0.45);
    return m.render(0.6);
}

// 707: the round music, four bars that loop: every note ends inside the
// loop and the first starts from silence, so the join does not click.
std::vector<uint8_t> roundMusic()
{
    double seconds = 6.1, spb = seconds / 16;
    Mix m(seconds);
    const int chords[4][3] = {{C5, E5, G5}, {F4, A4, C5}, {G4, B4, D5}, {C5, E5, G5}};
    const int bass[4] = {C3, F3, G3, C3};
    for (int bar = 0; bar < 4; bar++) {
        double t = bar * 4 * spb;
        bounceBar(m, t, spb, bass[bar], 0.38, chords[bar], 0.3, 0.07);
        for (int b = 0; b < 4; b++) {
            m.drum(t + b * spb, b % 2 ? Drum::Snare : Drum::Kick, 0.35);
            m.drum(t + b * spb + spb / 2, Drum::Hat, 0.18);
        }
    }
    play(m, 0, spb,
         {{0, 0.5, E5}, {0.5, 0.5, G5}, {1, 1, C6}, {2, 0.5, B5}, {2.5, 0.5, A5}, {3, 1, G5}, {4, 1, A5}, {5, 0.5, F5},
          {5.5, 0.5, A5}, {6, 1.5, C6}, {8, 1, B5}, {9, 0.5, G5}, {9.5, 0.5, B5}, {10, 1, D5 + 12}, {11, 0.5, B5},
          {12, 1, C6}, {13, 1, G5}, {14, 1, E5}},
         Voice::Square, 0.16);
    return m.render(0.0);
}

// 708: the fever ending, a slower thank-you tune closing on a held chord.
std::vector<uint8_t> ending()
{
    double spb = 0.5;
    Mix m(9.0);
    play(m, 0, spb,
         {{0, 1, E5}, {1, 1, D5}, {2, 2, C5}, {4, 1, D5}, {5, 1, E5}, {6, 2, G5}, {8, 1, A5}, {9, 1, G5}, {10, 1, E5},
          {11, 1, D5}, {12, 4, C5}},
         Voice::Bell, 0.4);
    const int chords[4][3] = {{C4, E4, G4}, {G3, B3, D4}, {F3, A3, C4}, {C4, E4, G4}};
    for (int bar = 0; bar < 4; bar++)
        for (int n = 0; n < 3; n++)
            m.note(bar * 4 * spb, 4 * spb * 0.95, chords[bar][n], Voice::Triangle, 0.14);
    for (int n = 0; n < 3; n++)
        m.note(16 * spb, 1.0, chords[3][n] + 12, Voice::Bell, 0.25);
    return m.render(0.6);
}

} // namespace

void makeSounds(ArtSet& out)
{
    out.wave(701, spinStart());
    out.wave(702, reelStop());
    out.wave(703, lostSpin());
    out.wave(704, reach());
    out.wave(705, fanfare());
    out.wave(706, roundStart());
    out.wave(707, roundMusic());
    out.wave(708, ending());
}
