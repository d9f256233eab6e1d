// A small synthesiser for the machine's waves: chip-style voices, drums and
// a mix rendered to 8-bit unsigned PCM.
#pragma once
#include <cstdint>
#include <limits>
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

// The notes' MIDI numbers by name, C3 to E6 (b: flat).
namespace notes {
enum {
    C3 = 48, D3 = 50, Eb3 = 51, E3 = 52, F3 = 53, G3 = 55, A3 = 57, Bb3 = 58, B3 = 59,
    C4 = 60, D4 = 62, Eb4 = 63, E4 = 64, F4 = 65, G4 = 67, A4 = 69, Bb4 = 70, B4 = 71,
    C5 = 72, D5 = 74, Eb5 = 75, E5 = 76, F5 = 77, G5 = 79, A5 = 81, Bb5 = 82, B5 = 83,
    C6 = 84, D6 = 86, E6 = 88,
};
}

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

// A snare roll from the start of the mix: `hits` hits `gap` seconds apart,
// the first at `volume`, each `swell` louder than the one before.
void snareRoll(Mix& m, int hits, double gap, double volume, double swell);
// A chord as sixteenth notes climbing through it and its octave from
// `start`: `count` of them, or those that start before `until`.
void arpeggio(Mix& m, double start, double secondsPerBeat, const int chord[3], int count, Voice voice, double volume,
              int transpose = 0, double until = std::numeric_limits<double>::infinity());
// `beats` beats from `start`: kick and snare in turn at `drums`, each on a
// bass note bouncing between `root` and its octave at `bass`.
void marchBeats(Mix& m, double start, double secondsPerBeat, int beats, double drums, int root, double bass);
// A bar of eighth notes from `start`: the bass bouncing between `root` and
// its octave (Triangle at `bassVolume`), the chord raised by `transpose`
// on every off-beat (Pulse, `chordLength` beats long at `chordVolume`).
void bounceBar(Mix& m, double start, double secondsPerBeat, int root, double bassVolume, const int chord[3],
               double chordLength, double chordVolume, int transpose = 0);
