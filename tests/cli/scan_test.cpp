#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "clitest.h"
#include "support/sampledatabase.h"

using namespace kvx;
using nlohmann::json;

namespace {

const std::string kTables = (std::filesystem::path(KVX_TEST_DATA_DIR) / "scan").string();

std::string q(const std::string& text)
{
    return "'" + text + "'";
}

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

json run(const std::string& arguments)
{
    const auto result = test::runKvxtool(arguments);
    EXPECT_EQ(result.exitCode, 0) << arguments << ": " << result.err;
    return result.out.empty() ? json() : json::parse(result.out);
}

} // namespace

TEST(KvxtoolScanTables, ListsImportsAndExports)
{
    test::TempDir dir;
    EXPECT_EQ(run("scan-tables --folder " + q(kTables) + " --position 19.2E"),
              json::parse(R"([{"name":"Astra-19.2E","position":"19.2E","transponders":1}])"));
    EXPECT_EQ(run("scan-tables --terrestrial --folder " + q(kTables))[0]["name"], "de-Berlin");
    test::expectFailure(test::runKvxtool("scan-tables --folder " + q(dir.file("none"))), 6,
                        "kvxtool: No scan tables were found in .*/none/dvb-s\\. The package dtv-scan-tables "
                        "provides them\\.");

    ChannelDatabase combo = test::makeEmptyModel(2, FLAG_PROG_CA | FLAG_TP_EXTRA);
    combo.networks[3].name = "Hotbird";
    combo.networks[3].degree = 130;
    const auto image = test::imageOf(combo);
    const std::string path = dir.file("combo.kvx");
    test::writeFile(path, image.data(), image.size());
    const std::string before = contentOf(path);
    const std::string target = "import-scan " + q(path) + " --folder " + q(kTables);

    // A dry run lists the plan and leaves the file; the table is named as installed.
    const json planned = run(target + " --network 3 Hotbird-13.0E --dry-run");
    EXPECT_EQ(planned["rows"], 95);
    EXPECT_EQ(planned["added"].get<int>() + planned["repeats"].get<int>(), 95);
    EXPECT_EQ(contentOf(path), before);
    EXPECT_EQ(run(target + " --network 3 Hotbird-13.0E")["added"], planned["added"]);
    EXPECT_EQ(run(target + " --network 64 de-Berlin")["rows"], 9);
    // Running the same table again changes nothing, so the file is not rewritten.
    const std::string filled = contentOf(path);
    EXPECT_EQ(run(target + " --network 3 " + q(kTables + "/dvb-s/Hotbird-13.0E"))["added"], 0);
    EXPECT_EQ(contentOf(path), filled);

    // The export is valid XML and reads back into another file's network at the same position.
    const std::string xml = dir.file("satellites.xml");
    run("export " + q(path) + " --format satellites-xml --output " + q(xml));
    if (std::system("command -v xmllint >/dev/null") == 0)
        EXPECT_EQ(std::system(("xmllint --noout " + q(xml)).c_str()), 0);
    const std::string other = dir.file("other.kvx");
    test::writeFile(other, image.data(), image.size());
    const json merged = run("import-satxml " + q(other) + " --network 5 " + q(xml) + " --position 130");
    EXPECT_EQ(merged["added"], planned["added"]);
    test::expectFailure(
        test::runKvxtool("import-satxml " + q(other) + " --network 5 " + q(xml) + " --position 19.2E"), 65,
        "kvxtool: .*satellites.xml: No satellite at 19.2E in the file");
}
