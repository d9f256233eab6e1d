// Machine No.1's waves, 8-bit mono at 11,025 Hz: 701 spin start, 702 reel
// stop, 703 reach, 704 slow action, 705 stop-and-go action, 706 fanfare,
// 707 round start, 708 round music, 709 last round and ending. The looped
// ones (703, 704, 705, 707, 708, 709) are whole bars that start from
// silence and let every note end inside the loop, so the join does not
// click. Their lengths are those of the wave list (no1_sound.h).
#include "no1_art.h"
#include "no1_sound.h"
#include "synth.h"

using namespace no1sound;
using namespace notes;

namespace {

// The seconds of a wave, from the wave list.
double lengthOf(int id)
{
    for (const WaveLength& w : kWaveList)
        if (w.id == id)
            return w.tenths / 10.0;
    return 1.0;
}

// 701: the reels start: a rising sweep, then a twinkling run that fades as
// the reels race (the first reel stop cuts it off).
std::vector<uint8_t> spinStart()
{
    double seconds = lengthOf(kWaveSpinStart);
    Mix m(seconds);
    m.glide(0, 0.35, 220, 1760, Voice::Pulse, 0.22);
    m.glide(0.02, 0.35, 110, 880, Voice::Triangle, 0.3);
    const int run[8] = {C5, E5, G5, C6, G5, E5, G5, C6};
    double spb = 0.3;
    for (int k = 0; k < 16; k++) {
        double t = 0.4 + k * spb / 2;
        m.note(t, spb * 0.35, run[k % 8] + (k >= 8 ? 2 : 0), Voice::Bell, 0.28 * (1.0 - k / 24.0));
    }
    for (int b = 0; b < 8; b++) {
        double t = 0.4 + b * spb;
        m.note(t, spb * 0.45, (b % 2 ? G3 : C3) + (b >= 4 ? 2 : 0), Voice::Triangle, 0.35);
        m.drum(t, b % 2 ? Drum::Snare : Drum::Kick, 0.25);
        m.drum(t + spb / 2, Drum::Hat, 0.15);
    }
    // the reels spinning: a soft whirr of fast ticks until the end
    for (double t = 2.9; t < seconds - 0.1; t += 0.06)
        m.drum(t, Drum::Hat, 0.12 * (1.0 - (t - 2.9) / seconds));
    return m.render(0.5);
}

// 702: a reel stops: a short clack with a knock under it.
std::vector<uint8_t> reelStop()
{
    Mix m(lengthOf(kWaveReelStop));
    m.drum(0, Drum::Click, 0.9);
    m.glide(0, 0.04, 1800, 900, Voice::Square, 0.3);
    m.glide(0.004, 0.1, 260, 100, Voice::Triangle, 0.7);
    return m.render(0.1);
}

// A loop of `bars` bars of four beats filling `seconds`; each note is cut
// to end a little before the loop's end.
struct Loop {
    Mix m;
    double spb;
    double end;
    Loop(double seconds, int beats) : m(seconds), spb(seconds / beats), end(seconds - 0.06) {}
    void note(double beat, double beats, int midi, Voice v, double volume)
    {
        double t = beat * spb, len = beats * spb * 0.9;
        double release = v == Voice::Bell ? 0.25 : 0.03; // the synthesiser's tail after a note
        if (t + len + release > end - 0.02)
            len = end - 0.02 - release - t;
        if (len > 0.01)
            m.note(t + 0.004, len, midi, v, volume);
    }
    void drum(double beat, Drum d, double volume)
    {
        double t = beat * spb;
        double tail = d == Drum::Cymbal ? 0.9 : 0.17;
        if (t + tail < end)
            m.drum(t + 0.004, d, volume);
    }
};

// 703: the reach: a heartbeat bass, a minor arpeggio climbing, a siren on top.
std::vector<uint8_t> reach()
{
    Loop l(lengthOf(kWaveReach), 8);
    const int arp[8] = {A4, C5, E5, A5, G5, E5, C5, E5};
    for (int k = 0; k < 16; k++)
        l.note(k * 0.5, 0.4, arp[k % 8] + (k >= 8 ? 2 : 0), Voice::Pulse, 0.1);
    for (int b = 0; b < 8; b++) {
        l.note(b, 0.25, b < 4 ? A3 - 12 : B3 - 12, Voice::Triangle, 0.45);
        l.note(b + 0.3, 0.2, b < 4 ? A3 - 12 : B3 - 12, Voice::Triangle, 0.3);
        l.drum(b, Drum::Kick, 0.45);
        l.drum(b + 0.5, Drum::Hat, 0.16);
    }
    l.note(0, 2, E5 + 12, Voice::Brass, 0.14);
    l.note(2, 2, D5 + 12, Voice::Brass, 0.14);
    l.note(4, 2, F5 + 12, Voice::Brass, 0.14);
    l.note(6, 1.8, E5 + 12, Voice::Brass, 0.14);
    return l.m.render(0.0);
}

// 704: the slow action: a slow, heavy beat, a low organ-like pulse, a bell
// that counts down the creep.
std::vector<uint8_t> slowAction()
{
    Loop l(lengthOf(kWaveSlowAction), 8);
    for (int b = 0; b < 8; b++) {
        l.drum(b, b % 2 ? Drum::Snare : Drum::Kick, 0.4);
        l.note(b, 0.9, (b < 4 ? D3 : Eb4 - 12) - 12, Voice::Triangle, 0.4);
        l.note(b, 0.9, (b < 4 ? D4 : Eb4), Voice::Square, 0.06);
        l.note(b + 0.5, 0.4, (b < 4 ? A4 : Bb4), Voice::Bell, 0.22);
    }
    const int line[4] = {D5, F5, A5, Bb5};
    for (int k = 0; k < 4; k++)
        l.note(2 * k, 1.9, line[k], Voice::Brass, 0.12);
    return l.m.render(0.0);
}

// 705: the stop-and-go: the middle reel moves four steps and stands four
// (0.4 s), and the music runs and holds with it.
std::vector<uint8_t> stopAndGo()
{
    Loop l(lengthOf(kWaveStopAndGo), 16); // a beat is the reel's 0.2 s move or pause
    for (int k = 0; k < 8; k++) {
        double b = 2 * k;
        int lift = k / 2;
        l.note(b, 0.22, E4 + lift, Voice::Pulse, 0.16);
        l.note(b + 0.25, 0.22, G4 + lift, Voice::Pulse, 0.16);
        l.note(b + 0.5, 0.22, B4 + lift, Voice::Pulse, 0.16);
        l.note(b + 0.75, 0.22, E5 + lift, Voice::Pulse, 0.16);
        l.drum(b, Drum::Kick, 0.45);
        l.drum(b + 0.5, Drum::Snare, 0.2);
        l.drum(b + 1, Drum::Click, 0.5); // the reel halts
        l.note(b + 1, 0.8, E3 - 12 + lift, Voice::Triangle, 0.42);
    }
    return l.m.render(0.0);
}

// 706: the fanfare: a drum roll, brass calls and a big major chord, then a
// running celebration until the rounds begin.
std::vector<uint8_t> fanfare()
{
    double seconds = lengthOf(kWaveFanfare), spb = 0.3;
    Mix m(seconds);
    snareRoll(m, 20, 0.04, 0.12, 0.012);
    double t = 0.85;
    play(m, t, spb,
         {{0, 1.0 / 3, G4}, {1.0 / 3, 1.0 / 3, G4}, {2.0 / 3, 1.0 / 3, G4}, {1, 2, C5}, {3, 1.0 / 3, E5},
          {3.333, 1.0 / 3, G5}, {3.667, 1.0 / 3, E5}, {4, 2, C6}, {6, 0.5, B5}, {6.5, 0.5, A5}, {7, 1, G5},
          {8, 4, C6}},
         Voice::Brass, 0.3);
    play(m, t, spb, {{1, 2, E4}, {4, 2, G5 - 12}, {8, 4, E5}}, Voice::Brass, 0.2);
    m.drum(t + 8 * spb, Drum::Cymbal, 0.6);
    for (int b = 0; b < 12; b++)
        m.note(t + b * spb, spb * 0.5, b < 4 ? C3 : b < 8 ? G3 - 12 : C3, Voice::Triangle, 0.4);
    double t2 = t + 12 * spb;
    const int chord[3] = {C5, E5, G5};
    arpeggio(m, t2, spb, chord, 32, Voice::Pulse, 0.12, 0, seconds - 0.8);
    play(m, t2, spb, {{0, 1, C6}, {1, 1, G5}, {2, 1, E5}, {3, 1, G5}, {4, 1, A5}, {5, 1, B5}, {6, 2, C6}}, Voice::Bell,
         0.34);
    marchBeats(m, t2, spb, 8, 0.32, C3, 0.35);
    m.drum(t2 + 8 * spb, Drum::Cymbal, 0.5);
    return m.render(0.6);
}

// 707: the round start: a snare roll under a call of rising brass, one bar
// that keeps going round until the door opens.
std::vector<uint8_t> roundStart()
{
    Loop l(lengthOf(kWaveRoundStart), 4);
    for (int k = 0; k < 15; k++)
        l.drum(k * 0.25, Drum::Snare, 0.14 + 0.01 * k);
    l.note(0, 0.5, G4, Voice::Brass, 0.26);
    l.note(1, 0.5, C5, Voice::Brass, 0.26);
    l.note(2, 0.5, E5, Voice::Brass, 0.26);
    l.note(3, 0.7, G5, Voice::Brass, 0.28);
    for (int b = 0; b < 4; b++)
        l.note(b, 0.3, C3, Voice::Triangle, 0.4);
    return l.m.render(0.0);
}

// 708: the round music: four bright bars of space disco.
std::vector<uint8_t> roundMusic()
{
    Loop l(lengthOf(kWaveRoundMusic), 16);
    const int chords[4][3] = {{C5, E5, G5}, {A4, C5, E5}, {F4, A4, C5}, {G4, B4, D5}};
    const int bass[4] = {C3, A3 - 12, F3 - 12, G3 - 12};
    for (int bar = 0; bar < 4; bar++) {
        double b0 = bar * 4;
        for (int e = 0; e < 8; e++) {
            l.note(b0 + e * 0.5, 0.35, bass[bar] + (e % 2 ? 12 : 0), Voice::Triangle, 0.38);
            if (e % 2)
                for (int n = 0; n < 3; n++)
                    l.note(b0 + e * 0.5, 0.3, chords[bar][n], Voice::Pulse, 0.06);
        }
        for (int b = 0; b < 4; b++) {
            l.drum(b0 + b, Drum::Kick, 0.35);
            if (b % 2)
                l.drum(b0 + b, Drum::Snare, 0.28);
            l.drum(b0 + b + 0.5, Drum::Hat, 0.18);
        }
    }
    const Step melody[] = {{0, 0.5, G5},  {0.5, 0.5, A5}, {1, 1, C6},    {2, 0.5, D6},  {2.5, 0.5, C6}, {3, 1, A5},
                           {4, 1, E5},    {5, 0.5, G5},   {5.5, 0.5, A5}, {6, 1.5, C6}, {8, 1, A5},     {9, 0.5, F5},
                           {9.5, 0.5, A5}, {10, 1, C6},   {11, 1, A5},   {12, 1, B5},   {13, 1, D6},    {14, 1.5, G5}};
    for (const Step& s : melody)
        l.note(s.beat, s.length, s.midi, Voice::Square, 0.15);
    return l.m.render(0.0);
}

// 709: the last round and the ending: a broader tune in a warmer key, with
// bells, for the final round and the goodbye.
std::vector<uint8_t> lastRound()
{
    Loop l(lengthOf(kWaveLastRound), 16);
    const int chords[4][3] = {{F4, A4, C5}, {D4, F4, A4}, {Bb3, D4, F4}, {C4, E4, G4}};
    const int bass[4] = {F3 - 12, D3 - 12, Bb3 - 24, C3 - 12};
    for (int bar = 0; bar < 4; bar++) {
        double b0 = bar * 4;
        for (int n = 0; n < 3; n++)
            l.note(b0, 3.8, chords[bar][n], Voice::Triangle, 0.1);
        for (int b = 0; b < 4; b++) {
            l.note(b0 + b, 0.45, bass[bar] + (b % 2 ? 12 : 0), Voice::Triangle, 0.36);
            l.drum(b0 + b, b % 2 ? Drum::Snare : Drum::Kick, 0.3);
            l.drum(b0 + b + 0.5, Drum::Hat, 0.15);
        }
    }
    const Step melody[] = {{0, 1.5, C6},  {1.5, 0.5, A5}, {2, 1, F5},  {3, 1, A5}, {4, 1.5, D6}, {5.5, 0.5, C6},
                           {6, 2, A5},    {8, 1, Bb5},    {9, 1, A5},  {10, 1, F5}, {11, 1, D5}, {12, 1, E5},
                           {13, 1, G5},   {14, 1.5, C6}};
    for (const Step& s : melody) {
        l.note(s.beat, s.length, s.midi, Voice::Brass, 0.16);
        l.note(s.beat, 0.5, s.midi + 12, Voice::Bell, 0.1);
    }
    return l.m.render(0.0);
}

} // namespace

void makeSounds(ArtSet& out)
{
    out.wave(kWaveSpinStart, spinStart());
    out.wave(kWaveReelStop, reelStop());
    out.wave(kWaveReach, reach());
    out.wave(kWaveSlowAction, slowAction());
    out.wave(kWaveStopAndGo, stopAndGo());
    out.wave(kWaveFanfare, fanfare());
    out.wave(kWaveRoundStart, roundStart());
    out.wave(kWaveRoundMusic, roundMusic());
    out.wave(kWaveLastRound, lastRound());
}
