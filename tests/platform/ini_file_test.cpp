#include "platform/ini_file.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(IniFile, ReadsCaseInsensitivelyFirstOccurrenceTrimmed)
{
    IniFile ini("unused.ini", "; comment\n[Files]\n  trackfile =  /a/b.plt  \nTrackFile=second\nEmpty=\n"
                              "[visual]\r\nTIMEINTRVL=2,5\r\nMINSPD= 2.5 \r\nTRACKWIDTH=$10\r\nDISPERSION=0x1F\r\n"
                              "CURRENTSCALE=abc\r\nGMTMOD=-3\r\nFLAG=7\r\nOFF=0\r\nLONG=" + std::string(3000, 'v') +
                              "\r\n[FILES]\r\nFOLDERTYPE=9\r\n");
    EXPECT_EQ(ini.ReadString("FILES", "TRACKFILE", "d"), "/a/b.plt");
    EXPECT_EQ(ini.ReadString("files", "EMPTY", "d"), "");
    EXPECT_EQ(ini.ReadString("FILES", "FOLDERTYPE", "d"), "d");  // only the first [FILES] counts
    EXPECT_EQ(ini.ReadString("NONE", "TRACKFILE", "d"), "d");
    EXPECT_EQ(ini.ReadString("VISUAL", "LONG", ""), std::string(2047, 'v'));

    EXPECT_EQ(ini.ReadFloat("VISUAL", "TIMEINTRVL", 2), 2);
    EXPECT_EQ(ini.ReadFloat("VISUAL", "MINSPD", 1), 2.5);
    EXPECT_EQ(ini.ReadFloat("VISUAL", "NONE", 7), 7);
    const std::pair<const char*, int32_t> integers[] = {
        {"TRACKWIDTH", 16}, {"DISPERSION", 31}, {"CURRENTSCALE", 99}, {"GMTMOD", -3}, {"MINSPD", 99}, {"NONE", 99}};
    for (auto [key, value] : integers) EXPECT_EQ(ini.ReadInteger("VISUAL", key, 99), value) << key;
    EXPECT_TRUE(ini.ReadBool("VISUAL", "FLAG", false));
    EXPECT_FALSE(ini.ReadBool("VISUAL", "OFF", true));
    EXPECT_TRUE(ini.ReadBool("VISUAL", "CURRENTSCALE", true));
    EXPECT_FALSE(ini.ReadBool("VISUAL", "NONE", false));
}

TEST(IniFile, WritesInPlaceAndKeepsEverythingElse)
{
    IniFile ini("unused.ini", "; kept\n[A]\nx = 1\nodd line\n\n[B]\ny=2\n[C]\n");
    ini.WriteString("a", "X", "5");
    ini.WriteString("A", "new", "n");
    ini.WriteString("B", "z", "1");
    ini.WriteString("C", "f", "0.5");
    ini.WriteString("D", "k", "v;w,x");
    ini.WriteString("D", "k", "last");
    EXPECT_EQ(ini.Text(), "; kept\r\n[A]\r\nX=5\r\nodd line\r\nnew=n\r\n\r\n[B]\r\ny=2\r\nz=1\r\n[C]\r\nf=0.5\r\n"
                          "\r\n[D]\r\nk=last\r\n");
}

}  // namespace
}  // namespace qm
