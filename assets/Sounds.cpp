// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "Sounds.h"

#include "Synth.h"

std::vector<std::int16_t> MakeChime()
{
    Synth synth(kSoundRate, 0.8);
    // E6 then B6: a bright open fifth, the second note ringing out.
    synth.addNote(0.00, NoteHz(88), 0.45, 0.8, Synth::Timbre::Bell);
    synth.addNote(0.12, NoteHz(95), 0.68, 1.0, Synth::Timbre::Bell);
    return synth.pcm(0.7);
}

std::vector<std::int16_t> MakeFanfare()
{
    Synth synth(kSoundRate, 1.7);
    // Ta-ta-ta-taaa: G4 G4 G4 up to C5, then the C major chord held, with a bell on top.
    const double beat = 0.13;
    for (int i = 0; i < 3; ++i)
        synth.addNote(i * beat, NoteHz(67), beat * 0.8, 0.8, Synth::Timbre::Brass);
    synth.addNote(3 * beat, NoteHz(72), 0.30, 0.9, Synth::Timbre::Brass);
    const double chord = 3 * beat + 0.32;
    const double hold = 1.7 - chord - 0.05;
    for (int note : {60, 64, 67, 72})
        synth.addNote(chord, NoteHz(note), hold, 0.55, Synth::Timbre::Brass);
    synth.addNote(chord, NoteHz(84), hold, 0.5, Synth::Timbre::Bell);
    synth.addNote(chord + 0.15, NoteHz(91), hold - 0.15, 0.35, Synth::Timbre::Bell);
    return synth.pcm(0.75);
}
