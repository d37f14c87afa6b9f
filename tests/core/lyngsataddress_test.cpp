#include <gtest/gtest.h>

#include "import/lyngsataddress.h"

using namespace kvx;

TEST(LyngSatAddress, PageUrlIsTheSiteSlashAndThePageAsTyped)
{
    EXPECT_EQ(lyngSatPageUrl("https://www.lyngsat.com", "Astra-1KR-1L-1M-1N.html"),
              "https://www.lyngsat.com/Astra-1KR-1L-1M-1N.html");
    EXPECT_EQ(lyngSatPageUrl("http://127.0.0.1:8080", "packages/europe/Hot Bird.html"),
              "http://127.0.0.1:8080/packages/europe/Hot Bird.html");
    // Case and an empty name stay as typed.
    EXPECT_EQ(lyngSatPageUrl("http://h", "EUTELSAT.HTML"), "http://h/EUTELSAT.HTML");
    EXPECT_EQ(lyngSatPageUrl("http://h", ""), "http://h/");
}

TEST(LyngSatAddress, ConfiguredSiteLosesTrailingSlashesAndFallsBackToTheDefault)
{
    EXPECT_EQ(lyngSatSiteAddress("http://127.0.0.1:8080/"), "http://127.0.0.1:8080");
    EXPECT_EQ(lyngSatSiteAddress(" http://example.org/mirror// "), "http://example.org/mirror");
    EXPECT_EQ(lyngSatSiteAddress(""), "https://www.lyngsat.com");
    EXPECT_EQ(lyngSatSiteAddress("///"), "https://www.lyngsat.com");
}

TEST(LyngSatAddress, DownloadedFileIsTheLastPartOfThePageName)
{
    EXPECT_EQ(downloadedPageFileName("Astra-2E.html"), "Astra-2E.html");
    // A page with a folder part downloads from the full path and keeps only the last component.
    EXPECT_EQ(downloadedPageFileName("europe/west/Hispasat.html"), "Hispasat.html");
    EXPECT_EQ(downloadedPageFileName("a\\b.html"), "a\\b.html"); // only "/" separates
}

TEST(LyngSatAddress, NamesThatWouldLeaveTheFolderGetTheFallbackName)
{
    for (const char* page : {"", "europe/", ".", "..", "sub/..", "sub/."})
        EXPECT_EQ(downloadedPageFileName(page), "page") << page;
    EXPECT_EQ(downloadedPageFileName(std::string(201, 'x')), "page");
    EXPECT_EQ(downloadedPageFileName(std::string(200, 'x')), std::string(200, 'x'));
    EXPECT_EQ(downloadedPageFileName(std::string("a\0b", 3)), "page");
    EXPECT_EQ(downloadedPageFileName("...html"), "...html");
}
