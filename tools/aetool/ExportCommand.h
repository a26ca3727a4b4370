#pragma once
// "aetool export FILE [-o OUT] [--format csv|hdf5]": the records of a data file as CSV text or
// as an HDF5 table.
namespace ae {

class CommandLine;

void AddExportCommand(CommandLine& cli);

}  // namespace ae
