#pragma once

#include <string>
#include <vector>

namespace kvx::test {

// The fields of one SATCODX line, each written into its columns as given.
struct SdxFields {
    std::string tag = "SATCODX";
    std::string version = "03";
    std::string name = "Astra 19.2E";
    std::string frequency = "011778"; // columns 33..38
    std::string polarisation = "1";   // column 42
    std::string degree = "0192";      // columns 51..54
    std::string symbolRate = "27500"; // columns 69..73
    std::size_t length = 120;         // the line is padded with blanks (or cut) to this length
};

// One SATCODX line (without line end) with the fields in their columns and blanks elsewhere.
std::string sdxLine(const SdxFields& fields);

// The cells of one transponder row of a LyngSat page, oldest first; the row is closed by `rate`.
struct PageRowCells {
    std::string frequency = "<td><font size=4><b>11494 H</b></font><br>tp 61</td>";
    std::string beam = "<td>Europe</td>";
    std::string colour = "<td bgcolor=\"#ffffff\">Provider</td>";
    std::string pids = "<td><font size=1>V 511</font></td>";
    std::string system = "<td><font size=2>DVB</font></td>";
    std::string rate = "<td><font size=1>27500-3/4</font></td>";
};

// Shorthands for typical rows.
PageRowCells dvbsRow(const std::string& frequencyAndPolarity, const std::string& rateAndFec = "27500-3/4");
PageRowCells dvbs2Row(const std::string& frequencyAndPolarity, const std::string& modulation,
                      const std::string& rateAndFec);

// A page with the rows as a saved LyngSat page lays them out: indented lines, one or more cells per line.
std::string lyngSatPage(const std::vector<PageRowCells>& rows);

} // namespace kvx::test
