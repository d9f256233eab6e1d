// A small synthesiser for the machine's waves: chip-style voices, drums and
// a mix rendered to 8-bit unsigned PCM.
#pragma once
#include <cstdint>
#include <vector>

enum class Voice {
    Square,   // 50% pulse
    Pulse,    // 25% pulse, brighter
    Triangle, // soft bass
    Bell,     // two-operator FM bell, decays by itself
    Brass,    // pulse with a slow attack and vibrato
};

enum class Drum { Kick, Snare, Hat, Click, Cymbal };

// MIDI note number to frequency (69 = A4 = 440 Hz).
double noteFrequency(int midi);

struct Mix {
    int rate;
    std::vector<double> buffer;

    Mix(double seconds, int sampleRate = 11025);
    // A note from `start` seconds for `length` seconds.
    void note(double start, double length, int midi, Voice voice, double volume);
    // A tone sliding from one frequency to another.
    void glide(double start, double length, double fromHz, double toHz, Voice voice, double volume);
    void drum(double start, Drum d, double volume);
    // Unsigned 8-bit samples around 128, softly limited; the last `fade`
    // seconds fade out.
    std::vector<uint8_t> render(double fade = 0.0) const;
};

// Notes written as a list of (beat, length in beats, midi) at a tempo.
struct Step {
    double beat, length;
    int midi;
};
void play(Mix& m, double start, double secondsPerBeat, const std::vector<Step>& steps, Voice voice, double volume,
          int transpose = 0);
