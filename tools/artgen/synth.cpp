#include "synth.h"

#include <algorithm>
#include <cmath>

double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

Mix::Mix(double seconds, int sampleRate) : rate(sampleRate), buffer((size_t)(seconds * sampleRate), 0.0) {}

// Deterministic noise for the drums.
static double noiseAt(uint32_t& s)
{
    s = s * 1664525u + 1013904223u;
    return ((s >> 8) & 0xFFFF) / 32768.0 - 1.0;
}

static double oscillator(Voice v, double phase, double t)
{
    double p = phase - std::floor(phase);
    switch (v) {
    case Voice::Square: return p < 0.5 ? 1 : -1;
    case Voice::Pulse: return p < 0.25 ? 1 : -1;
    case Voice::Brass: return p < 0.33 ? 1 : -1;
    case Voice::Triangle: return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    case Voice::Bell: return std::sin(2 * M_PI * p + 2.0 * std::exp(-6 * t) * std::sin(2 * M_PI * 2 * p));
    }
    return 0;
}

static void tone(Mix& m, double start, double length, double f0, double f1, Voice v, double volume)
{
    int first = (int)std::lround(start * m.rate);
    double release = v == Voice::Bell ? 0.25 : 0.03;
    int count = (int)((length + release) * m.rate);
    double phase = 0;
    for (int i = 0; i < count; i++) {
        int at = first + i;
        if (at < 0 || at >= (int)m.buffer.size())
            continue;
        double t = (double)i / m.rate;
        double f = f0 + (f1 - f0) * std::min(1.0, t / std::max(length, 1e-6));
        if (v == Voice::Brass)
            f *= 1.0 + 0.006 * std::sin(2 * M_PI * 5.5 * t) * std::min(1.0, t / 0.15);
        phase += f / m.rate;
        double attack = v == Voice::Brass ? 0.03 : 0.004;
        double env = std::min(1.0, t / attack);
        if (v == Voice::Bell)
            env *= std::exp(-3.5 * t);
        else if (v == Voice::Pulse || v == Voice::Square)
            env *= 0.75 + 0.25 * std::exp(-8 * t);
        if (t > length)
            env *= std::max(0.0, 1.0 - (t - length) / release);
        m.buffer[at] += volume * env * oscillator(v, phase, t);
    }
}

void Mix::note(double start, double length, int midi, Voice voice, double volume)
{
    double f = noteFrequency(midi);
    tone(*this, start, length, f, f, voice, volume);
}

void Mix::glide(double start, double length, double fromHz, double toHz, Voice voice, double volume)
{
    tone(*this, start, length, fromHz, toHz, voice, volume);
}

void Mix::drum(double start, Drum d, double volume)
{
    uint32_t seed = 12345u + (uint32_t)(start * 1000);
    double length = d == Drum::Kick ? 0.16 : d == Drum::Snare ? 0.14 : d == Drum::Hat ? 0.04 : d == Drum::Click ? 0.012 : 0.9;
    int first = (int)std::lround(start * rate);
    double phase = 0, last = 0;
    for (int i = 0; i < (int)(length * rate); i++) {
        int at = first + i;
        if (at < 0 || at >= (int)buffer.size())
            continue;
        double t = (double)i / rate;
        // a 2 ms rise, so a drum never starts with a jump
        double env = std::max(0.0, 1.0 - t / length) * std::min(1.0, t / 0.002);
        double s = 0;
        double n = noiseAt(seed);
        switch (d) {
        case Drum::Kick:
            phase += (50 + 120 * std::exp(-30 * t)) / rate;
            s = std::sin(2 * M_PI * phase) * env * env;
            break;
        case Drum::Snare:
            phase += 190.0 / rate;
            s = (0.7 * n + 0.4 * std::sin(2 * M_PI * phase)) * env * env;
            break;
        case Drum::Hat: s = (n - last) * 0.6 * env; break;
        case Drum::Click: s = n * env; break;
        case Drum::Cymbal: s = (n - last) * 0.5 * env * env; break;
        }
        last = n;
        buffer[at] += volume * s;
    }
}

std::vector<uint8_t> Mix::render(double fade) const
{
    std::vector<uint8_t> out(buffer.size());
    size_t fadeFrom = fade > 0 ? buffer.size() - (size_t)(fade * rate) : buffer.size();
    for (size_t i = 0; i < buffer.size(); i++) {
        double s = std::tanh(buffer[i] * 1.1);
        if (i >= fadeFrom)
            s *= (double)(buffer.size() - i) / (buffer.size() - fadeFrom);
        int v = (int)std::lround(128 + 110 * s);
        out[i] = (uint8_t)std::clamp(v, 0, 255);
    }
    return out;
}

void play(Mix& m, double start, double spb, const std::vector<Step>& steps, Voice voice, double volume, int transpose)
{
    for (const Step& s : steps)
        if (s.midi > 0)
            m.note(start + s.beat * spb, s.length * spb * 0.92, s.midi + transpose, voice, volume);
}

void snareRoll(Mix& m, int hits, double gap, double volume, double swell)
{
    for (int k = 0; k < hits; k++)
        m.drum(k * gap, Drum::Snare, volume + k * swell);
}

void arpeggio(Mix& m, double start, double spb, const int chord[3], int count, Voice voice, double volume,
              int transpose, double until)
{
    for (int k = 0; k < count && start + k * spb / 4 < until; k++)
        m.note(start + k * spb / 4, spb / 4 * 0.8, chord[k % 3] + (k % 6 >= 3 ? 12 : 0) + transpose, voice, volume);
}

void bounceBar(Mix& m, double start, double spb, int root, double bassVolume, const int chord[3], double chordLength,
               double chordVolume, int transpose)
{
    for (int b = 0; b < 8; b++) {
        m.note(start + b * spb / 2, spb * 0.35, root + (b % 2 ? 12 : 0), Voice::Triangle, bassVolume);
        if (b % 2)
            for (int n = 0; n < 3; n++)
                m.note(start + b * spb / 2, spb * chordLength, chord[n] + transpose, Voice::Pulse, chordVolume);
    }
}

void marchBeats(Mix& m, double start, double spb, int beats, double drums, int root, double bass)
{
    for (int b = 0; b < beats; b++) {
        m.drum(start + b * spb, b % 2 ? Drum::Snare : Drum::Kick, drums);
        m.note(start + b * spb, spb * 0.4, root + (b % 2 ? 12 : 0), Voice::Triangle, bass);
    }
}
