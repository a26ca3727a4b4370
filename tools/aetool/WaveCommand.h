#pragma once
// "aetool wave FILE --hit N [--spectrum]": the waveform of the hit with export index N as CSV,
// "time_us,volts", or its magnitude spectrum, "frequency_khz,magnitude".
namespace ae {

class CommandLine;

// Exit code 0; 1 with a message on stderr when the record is no hit, the hit has no waveform
// or its waveform has no recorder setup to scale it.
void AddWaveCommand(CommandLine& cli);

}  // namespace ae
