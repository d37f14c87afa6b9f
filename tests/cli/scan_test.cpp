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

using test::contentOf;
using test::quoted;

namespace {

const std::string kTables = (std::filesystem::path(KVX_TEST_DATA_DIR) / "scan").string();

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
    EXPECT_EQ(run("scan-tables --folder " + quoted(kTables) + " --position 19.2E"),
              json::parse(R"([{"name":"Astra-19.2E","position":"19.2E","transponders":1}])"));
    EXPECT_EQ(run("scan-tables --terrestrial --folder " + quoted(kTables))[0]["name"], "de-Berlin");
    test::expectFailure(test::runKvxtool("scan-tables --folder " + quoted(dir.file("none"))), 6,
                        "kvxtool: No scan tables were found in .*/none/dvb-s\\. The package dtv-scan-tables "
                        "provides them\\.");

    ChannelDatabase combo = test::makeEmptyModel(2, FLAG_PROG_CA | FLAG_TP_EXTRA);
    combo.networks[3].name = "Hotbird";
    combo.networks[3].degree = 130;
    const auto image = test::imageOf(combo);
    const std::string path = dir.file("combo.kvx");
    test::writeFile(path, image.data(), image.size());
    const std::string before = contentOf(path);
    const std::string target = "import-scan " + quoted(path) + " --folder " + quoted(kTables);

    // A dry run lists the plan and leaves the file; the table is named as installed.
    const json planned = run(target + " --network 3 Hotbird-13.0E --dry-run");
    EXPECT_EQ(planned["rows"], 95);
    EXPECT_EQ(planned["added"].get<int>() + planned["repeats"].get<int>(), 95);
    EXPECT_EQ(contentOf(path), before);
    EXPECT_EQ(run(target + " --network 3 Hotbird-13.0E")["added"], planned["added"]);
    EXPECT_EQ(run(target + " --network 64 de-Berlin")["rows"], 9);
    // Running the same table again changes nothing, so the file is not rewritten.
    const std::string filled = contentOf(path);
    EXPECT_EQ(run(target + " --network 3 " + quoted(kTables + "/dvb-s/Hotbird-13.0E"))["added"], 0);
    EXPECT_EQ(contentOf(path), filled);

    // The export is valid XML and reads back into another file's network at the same position.
    const std::string xml = dir.file("satellites.xml");
    run("export " + quoted(path) + " --format satellites-xml --output " + quoted(xml));
    if (std::system("command -v xmllint >/dev/null") == 0) {
        EXPECT_EQ(std::system(("xmllint --noout " + quoted(xml)).c_str()), 0);
    }
    const std::string other = dir.file("other.kvx");
    test::writeFile(other, image.data(), image.size());
    const json merged =
        run("import-satxml " + quoted(other) + " --network 5 " + quoted(xml) + " --position 130");
    EXPECT_EQ(merged["added"], planned["added"]);
    test::expectFailure(test::runKvxtool("import-satxml " + quoted(other) + " --network 5 " + quoted(xml) +
                                         " --position 19.2E"),
                        65, "kvxtool: .*satellites.xml: No satellite at 19.2E in the file");
}
