// Machine No.5's waves, 8-bit mono at 5,500 Hz: 701 the reels running
// (looped), 702 a reel stop, 703 the reach, 704 the creep (looped), 705 the
// fast spin and the revival spin (looped), 706 the fanfare, 707 the round
// music (looped), 709 the revival cue.
//
// At this rate the synthesiser's plain square and pulse voices would fold
// their upper harmonics back as noise, so the tones here are summed from
// harmonics below the rate's limit. The looped waves start from silence and
// let every note end inside the loop, so their joins do not click.
#include <cmath>

#include "no5_art.h"
#include "synth.h"

using namespace notes;

namespace {

const int kRate = 5500;

enum class Tone {
    Flute,  // a sine with a touch of its octave, breathy vibrato
    Brass,  // a saw softened, with a slow attack
    Square, // odd harmonics
    Pluck,  // a saw dying away quickly (the shamisen)
    Bass,   // a triangle
    Bell,   // inharmonic partials dying away
};

struct Envelope {
    double attack, release, decay; // seconds; decay 0: held
};

Envelope envelopeOf(Tone t)
{
    switch (t) {
    case Tone::Brass: return {0.04, 0.06, 0};
    case Tone::Pluck: return {0.003, 0.03, 4.5};
    case Tone::Bell: return {0.002, 0.2, 2.6};
    case Tone::Flute: return {0.03, 0.05, 0};
    default: return {0.005, 0.03, 0};
    }
}

// One harmonic's weight in a tone.
double harmonic(Tone t, int k)
{
    switch (t) {
    case Tone::Flute: return k == 1 ? 1.0 : k == 2 ? 0.25 : k == 3 ? 0.08 : 0;
    case Tone::Brass: return 1.0 / k * (k <= 8 ? 1 : 0.5);
    case Tone::Square: return k % 2 ? 1.0 / k : 0;
    case Tone::Pluck: return 1.0 / k;
    case Tone::Bass: return k % 2 ? ((k / 2) % 2 ? -1.0 : 1.0) / (k * k) : 0;
    case Tone::Bell: return 0;
    }
    return 0;
}

// A tone gliding from f0 to f1 Hz, summed from its harmonics below 0.45 of
// the rate (those near the limit fade out, so a glide never pops).
void tone(Mix& m, double start, double length, double f0, double f1, Tone t, double volume)
{
    Envelope e = envelopeOf(t);
    int first = (int)std::lround(start * m.rate);
    int count = (int)((length + e.release) * m.rate);
    double phase = 0;
    const double limit = 0.45 * m.rate;
    for (int i = 0; i < count; i++) {
        int at = first + i;
        if (at < 0 || at >= (int)m.buffer.size())
            continue;
        double s = (double)i / m.rate;
        double f = f0 + (f1 - f0) * std::min(1.0, s / std::max(length, 1e-6));
        if (t == Tone::Flute || t == Tone::Brass)
            f *= 1.0 + 0.007 * std::sin(2 * M_PI * 5.2 * s) * std::min(1.0, s / 0.2);
        phase += f / m.rate;
        double env = std::min(1.0, s / e.attack);
        if (e.decay > 0)
            env *= std::exp(-e.decay * s);
        if (s > length)
            env *= std::max(0.0, 1.0 - (s - length) / e.release);
        double v = 0;
        if (t == Tone::Bell) {
            const double ratio[4] = {1.0, 2.76, 5.40, 8.93}, weight[4] = {1.0, 0.5, 0.25, 0.12};
            for (int k = 0; k < 4; k++)
                if (ratio[k] * f < limit)
                    v += weight[k] * std::exp(-k * 1.5 * s) * std::sin(2 * M_PI * ratio[k] * phase);
        } else {
            for (int k = 1; k * f < limit; k++) {
                double w = harmonic(t, k);
                if (w == 0)
                    continue;
                double fade = std::min(1.0, (limit - k * f) / (0.05 * m.rate));
                v += w * fade * std::sin(2 * M_PI * k * phase);
            }
        }
        m.buffer[at] += volume * env * v;
    }
}

void note(Mix& m, double start, double length, int midi, Tone t, double volume)
{
    double f = noteFrequency(midi);
    tone(m, start, length, f, f, t, volume);
}

void notes(Mix& m, double start, double spb, const std::vector<Step>& steps, Tone t, double volume, int transpose = 0)
{
    for (const Step& s : steps)
        if (s.midi > 0)
            note(m, start + s.beat * spb, s.length * spb * 0.9, s.midi + transpose, t, volume);
}

// A deep drum: a falling boom with the slap of the skin.
void taiko(Mix& m, double start, double volume, double pitch = 1.0)
{
    int first = (int)std::lround(start * m.rate);
    double phase = 0;
    uint32_t seed = 977u + (uint32_t)(start * 1000);
    for (int i = 0; i < (int)(0.45 * m.rate); i++) {
        int at = first + i;
        if (at < 0 || at >= (int)m.buffer.size())
            break;
        double s = (double)i / m.rate;
        phase += pitch * (58 + 90 * std::exp(-18 * s)) / m.rate;
        seed = seed * 1664525u + 1013904223u;
        double noise = ((seed >> 8) & 0xFFFF) / 32768.0 - 1.0;
        double rise = std::min(1.0, s / 0.003);
        double tail = std::max(0.0, 1.0 - s / 0.45);
        double v = std::sin(2 * M_PI * phase) * std::exp(-7 * s) + 0.35 * noise * std::exp(-45 * s);
        m.buffer[at] += volume * rise * tail * v;
    }
}

// 701: the reels running, a bright driving figure of two bars.
std::vector<uint8_t> reelsRunning()
{
    double spb = 0.3; // 8 beats, 2.4 s
    Mix m(2.4, kRate);
    const int run[2][8] = {{C5, D5, E5, G5, A5, G5, E5, D5}, {D5, E5, G5, A5, C6, A5, G5, E5}};
    for (int bar = 0; bar < 2; bar++) {
        double t = bar * 4 * spb;
        for (int k = 0; k < 16; k++)
            note(m, t + k * spb / 4, spb / 4 * 0.7, run[bar][k % 8] + (k >= 8 ? 12 : 0), Tone::Square, 0.1);
        for (int b = 0; b < 8; b++)
            note(m, t + b * spb / 2, spb / 2 * 0.55, (bar ? D3 : C4 - 12) + (b % 2 ? 12 : 0), Tone::Bass, 0.4);
        for (int b = 0; b < 4; b++) {
            m.drum(t + b * spb, b % 2 ? Drum::Snare : Drum::Kick, 0.35);
            m.drum(t + b * spb + spb / 2, Drum::Hat, 0.25);
        }
    }
    return m.render(0.03);
}

// 702: a reel stop, a hard knock with a wooden thump under it.
std::vector<uint8_t> reelStop()
{
    Mix m(0.3, kRate);
    m.drum(0, Drum::Click, 0.9);
    tone(m, 0, 0.04, 1300, 650, Tone::Square, 0.35);
    tone(m, 0.004, 0.1, 260, 110, Tone::Bass, 0.9);
    return m.render(0.12);
}

// 703: the reach, a siren twice over a drum roll, then a brass stab.
std::vector<uint8_t> reach()
{
    Mix m(1.6, kRate);
    for (int k = 0; k < 2; k++) {
        tone(m, 0.3 * k, 0.15, 620, 930, Tone::Square, 0.22);
        tone(m, 0.3 * k + 0.15, 0.15, 930, 620, Tone::Square, 0.22);
    }
    snareRoll(m, 12, 0.05, 0.12, 0.02);
    for (int n : {(int)A4, (int)C5, (int)E5, (int)A5})
        note(m, 0.62, 0.7, n, Tone::Brass, 0.16);
    note(m, 0.62, 0.7, A3 - 12, Tone::Bass, 0.5);
    taiko(m, 0.62, 0.7);
    m.drum(0.62, Drum::Cymbal, 0.45);
    return m.render(0.4);
}

// 704: the creep, a heartbeat under a clock's tick and a low pulse.
std::vector<uint8_t> creep()
{
    Mix m(1.6, kRate);
    for (int k = 0; k < 2; k++) {
        double t = 0.8 * k;
        taiko(m, t + 0.01, 0.65, 0.8);
        taiko(m, t + 0.22, 0.45, 0.9);
        note(m, t + 0.01, 0.6, E3 - 12, Tone::Bass, 0.35);
        note(m, t + 0.4, 0.3, F4 - 12, Tone::Bass, 0.2);
    }
    for (int k = 0; k < 8; k++) {
        m.drum(0.1 + 0.2 * k, Drum::Click, 0.35);
        note(m, 0.1 + 0.2 * k, 0.03, k % 2 ? E6 : B5, Tone::Square, 0.06);
    }
    return m.render(0.06);
}

// 705: the fast spin, a racing minor run up and down over a rumble.
std::vector<uint8_t> fastSpin()
{
    Mix m(1.2, kRate);
    const int up[8] = {A4, B4, C5, E5, F5, E5, C5, B4};
    for (int k = 0; k < 16; k++) {
        double t = 0.075 * k;
        note(m, t, 0.055, up[k % 8] + (k >= 8 ? 12 : 0), Tone::Square, 0.11);
        if (k % 2 == 0)
            m.drum(t, Drum::Hat, 0.25);
    }
    for (int b = 0; b < 4; b++) {
        taiko(m, 0.3 * b + 0.005, 0.45, 1.3);
        note(m, 0.3 * b + 0.005, 0.22, A3 - 12, Tone::Bass, 0.35);
    }
    tone(m, 0, 1.1, 220, 440, Tone::Brass, 0.06);
    return m.render(0.05);
}

// 706: the fanfare, brass over drums, a roll and a held chord.
std::vector<uint8_t> fanfare()
{
    double spb = 0.32;
    Mix m(4.6, kRate);
    snareRoll(m, 10, 0.04, 0.12, 0.03);
    double t = 0.45;
    notes(m, t, spb,
          {{0, 1.0 / 3, G4}, {1.0 / 3, 1.0 / 3, G4}, {2.0 / 3, 1.0 / 3, G4}, {1, 1.5, C5}, {2.5, 0.5, D5}, {3, 1, E5},
           {4, 0.5, D5}, {4.5, 0.5, E5}, {5, 1, G5}, {6, 0.5, A5}, {6.5, 0.5, G5}, {7, 1, E5}, {8, 4, C6}},
          Tone::Brass, 0.26);
    notes(m, t, spb, {{1, 1.5, E4}, {3, 1, G4}, {5, 1, B4}, {7, 1, G4}, {8, 4, G5}}, Tone::Brass, 0.16);
    notes(m, t, spb, {{8, 4, E5}}, Tone::Brass, 0.14);
    const int bass[] = {C4 - 12, C4 - 12, G3, G3, A3, A3, G3, G3, C4 - 12};
    for (int b = 0; b < 9; b++)
        note(m, t + b * spb, spb * 0.6, bass[b], Tone::Bass, 0.45);
    for (int b = 0; b < 8; b++)
        taiko(m, t + b * spb, b % 2 ? 0.35 : 0.55);
    taiko(m, t + 8 * spb, 0.8, 0.9);
    m.drum(t + 8 * spb, Drum::Cymbal, 0.6);
    return m.render(0.6);
}

// 707: the round music, a festival tune in a five-note scale with a
// plucked accompaniment and the drums; four bars that loop.
std::vector<uint8_t> roundMusic()
{
    double spb = 0.4; // 16 beats, 6.4 s
    Mix m(6.4, kRate);
    notes(m, 0, spb,
          {{0, 1, D5}, {1, 0.5, E5}, {1.5, 0.5, G5}, {2, 1, A5}, {3, 1, G5},
           {4, 0.5, E5}, {4.5, 0.5, D5}, {5, 1, E5}, {6, 1.5, G5}, {7.5, 0.5, A5},
           {8, 1, B5}, {9, 0.5, A5}, {9.5, 0.5, G5}, {10, 1, A5}, {11, 1, E5},
           {12, 0.5, G5}, {12.5, 0.5, E5}, {13, 1, D5}, {14, 1.6, D5}},
          Tone::Flute, 0.3);
    const int chords[4][2] = {{D4, A4}, {E4, B4}, {G4, D5}, {D4, A4}};
    const int roots[4] = {D3, E3, G3, D3};
    for (int bar = 0; bar < 4; bar++) {
        double t = bar * 4 * spb;
        for (int b = 0; b < 4; b++) {
            note(m, t + b * spb, spb * 0.5, roots[bar] + (b % 2 ? 12 : 0), Tone::Bass, 0.35);
            for (int n : chords[bar])
                note(m, t + b * spb + spb / 2, spb * 0.3, n, Tone::Pluck, 0.1);
        }
        // don, don, doko don
        taiko(m, t + 0.005, 0.55);
        taiko(m, t + 2 * spb, 0.45);
        taiko(m, t + 3 * spb, 0.3, 1.2);
        taiko(m, t + 3.5 * spb, 0.35, 1.2);
        for (int b = 0; b < 4; b++)
            m.drum(t + b * spb + spb / 2, Drum::Hat, 0.2);
        m.drum(t + spb, Drum::Snare, 0.18);
        m.drum(t + 3 * spb, Drum::Snare, 0.18);
    }
    return m.render(0.06);
}

// 709: the revival cue, a gong and a glittering run upwards.
std::vector<uint8_t> revivalCue()
{
    Mix m(1.0, kRate);
    tone(m, 0, 0.7, 110, 104, Tone::Bell, 0.55);
    tone(m, 0, 0.7, 165, 160, Tone::Bell, 0.25);
    taiko(m, 0.002, 0.5, 0.7);
    const int up[6] = {E5, G5, A5, C6, D6, E6};
    for (int k = 0; k < 6; k++)
        note(m, 0.3 + 0.07 * k, 0.12, up[k], Tone::Bell, 0.18);
    return m.render(0.3);
}

} // namespace

void makeSounds(ArtSet& out)
{
    out.wave(701, reelsRunning(), kRate);
    out.wave(702, reelStop(), kRate);
    out.wave(703, reach(), kRate);
    out.wave(704, creep(), kRate);
    out.wave(705, fastSpin(), kRate);
    out.wave(706, fanfare(), kRate);
    out.wave(707, roundMusic(), kRate);
    out.wave(709, revivalCue(), kRate);
}
