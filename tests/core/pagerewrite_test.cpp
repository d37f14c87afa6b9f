#include <gtest/gtest.h>

#include "import/pagerewrite.h"

using namespace kvx;

TEST(PageRewrite, OneCellPerLine)
{
    const std::string page =
        "<html>\r\n  <table><tr>\r\n\t<td>a</td><TD>b</TD>\r\n   <td\r\nclass=x>c</td></tr>\n";
    EXPECT_EQ(rewritePageIntoCells(page),
              "<html><table><tr>\n<td>a</td>\n<TD>b</TD>\n<tdclass=x>c</td></tr>");
}

TEST(PageRewrite, OnlyUpperAndLowerCaseCellTagsSplit)
{
    EXPECT_EQ(rewritePageIntoCells("<Td>x<tD>y<th>z<td"), "<Td>x<tD>y<th>z\n<td");
    EXPECT_EQ(rewritePageIntoCells("<td>"), "\n<td>");
    EXPECT_EQ(rewritePageIntoCells(""), "");
    EXPECT_EQ(rewritePageIntoCells("<t\nd>"), "<td>");
}
