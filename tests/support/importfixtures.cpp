#include "support/importfixtures.h"

namespace kvx::test {

namespace {

void put(std::string& line, std::size_t column, const std::string& field)
{
    if (line.size() < column + field.size())
        line.resize(column + field.size(), ' ');
    line.replace(column, field.size(), field);
}

} // namespace

std::string sdxLine(const SdxFields& fields)
{
    std::string line;
    put(line, 0, fields.tag);
    put(line, 8, fields.version);
    put(line, 10, fields.name);
    put(line, 33, fields.frequency);
    put(line, 42, fields.polarisation);
    put(line, 51, fields.degree);
    put(line, 69, fields.symbolRate);
    line.resize(fields.length, ' ');
    return line;
}

PageRowCells dvbsRow(const std::string& frequencyAndPolarity, const std::string& rateAndFec)
{
    PageRowCells row;
    row.frequency = "<td><font size=4><b>" + frequencyAndPolarity + "</b></font></td>";
    row.rate = "<td><font size=1>" + rateAndFec + "</font></td>";
    return row;
}

PageRowCells dvbs2Row(const std::string& frequencyAndPolarity, const std::string& modulation,
                      const std::string& rateAndFec)
{
    PageRowCells row = dvbsRow(frequencyAndPolarity, rateAndFec);
    row.system = "<td><font size=2>DVB-S2</font><br><font size=1>" + modulation + "</font></td>";
    return row;
}

std::string lyngSatPage(const std::vector<PageRowCells>& rows)
{
    std::string page = "<html>\r\n<head><title>Satellite</title></head>\r\n<body>\r\n<table width=720>\r\n";
    for (const PageRowCells& row : rows) {
        page += "  <tr>\r\n";
        page += "    " + row.frequency + "\r\n";
        page += "\t" + row.beam + row.colour + "\r\n";
        page += "    " + row.pids + "\r\n";
        page += "    " + row.system + "\r\n";
        page += "    " + row.rate + "\r\n";
        page += "  </tr>\r\n";
    }
    page += "</table>\r\n</body>\r\n</html>\r\n";
    return page;
}

} // namespace kvx::test
