#pragma once
// "aetool gen --format dta|s3000|pci|isa --hits N --seed S -o FILE": a synthetic proof test.
namespace ae {

class CommandLine;

void AddGenCommand(CommandLine& cli);

}  // namespace ae
