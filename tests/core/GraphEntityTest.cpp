// Figure text of graphic variables: parsing one command line, the option part, the whole-text
// check with its messages, drawing per figure class, and any text never crashing either.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/CappSizeLimit.h"
#include "core/GraphEntity.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/MetafileRecorder.h"
#include "tests/support/PngFile.h"

namespace
{

std::string Params(const CGraphEntity& figure)
{
    std::string str;
    for (INT_PTR i = 0; i < figure.m_asFigureParam.GetSize(); ++i) {
        if (i > 0) {
            str += "|";
        }
        str += figure.m_asFigureParam[i].GetString();
    }
    return str;
}

struct ParseCase
{
    const char* szName;
    const char* szLine;
    const char* szKeyword; // null: the line is refused
    const char* szParams;  // or the reason when refused
    int nStyle;
    COLORREF crColor;
    int nWidth;
};

void CheckParse(const ParseCase& c)
{
    SCOPED_TRACE(c.szName);
    CGraphEntity figure;
    CString strReason;
    const int nResult = figure.SetData(c.szLine, strReason, 0);
    if (c.szKeyword == nullptr) {
        EXPECT_EQ(0, nResult);
        EXPECT_STREQ(c.szParams, strReason);
        EXPECT_TRUE(figure.m_strKeyword.IsEmpty()) << "a refused figure is never drawn";
        return;
    }
    ASSERT_EQ(1, nResult) << strReason.GetString();
    EXPECT_STREQ(c.szKeyword, figure.m_strKeyword);
    EXPECT_EQ(c.szParams, Params(figure));
    EXPECT_EQ(c.nStyle, figure.m_nDrawStyle);
    EXPECT_EQ(c.crColor, figure.m_crColor);
    EXPECT_EQ(c.nWidth, figure.m_nPenWidth);
}

TEST(GraphEntityTest, LineCommandsAndTheOptionPart)
{
    const ParseCase cases[] = {
        {"lower-case keyword, black and 1 wide", "line 0,0,100,50", "Line", "0,0|100,50", 1, 0, 1},
        {"brackets read as blanks", "Line (0,0),(10,20)", "Line", "0,0|10,20", 1, 0, 1},
        {"a tab ends the keyword", "Line\t1,2,3,4", "Line", "1,2|3,4", 1, 0, 1},
        {"the colour's commas do not count", "Line 0,0,10,10,RGB(255,0,0),3", "Line", "0,0|10,10", 1, 255, 3},
        {"a comment ends the parameters", "Line 0,0,10,10 ' RGB(1,2,3)", "Line", "0,0|10,10", 1, 0, 1},
        {"text after a number is ignored", "Line 0mm,0,10,10", "Line", "0,0|10,10", 1, 0, 1},
        {"three values", "Line 0,0,10", nullptr, "缺少参数(可能是：参数个数不匹配)"},
        {"width 0", "Line 0,0,10,10,,0", nullptr, "线宽参数不可用"},
        {"negative width", "Line 0,0,10,10,,-2", nullptr, "线宽参数不可用"},
        {"bad start", "Line 0,y,10,10", nullptr, "起点X坐标非法"},
        {"bad end", "Line 0,0,10,+", nullptr, "终点X坐标非法"},
        {"keyword without a blank", "Line", nullptr, "未知的对象类型或未知的参数序列标识"},
        {"keyword and blanks only", "Line    ", nullptr, "无参数"},
        {"keyword and a comment only", "Line 'no values", nullptr, "无参数"},
        {"unknown keyword", "Square 0,0,1,1", nullptr, "未知的对象类型或未知的参数序列标识"},
        {"circle has no bounding-rectangle form", "Circle[S] 0,0,10,10", nullptr, "未知的对象类型或未知的参数序列标识"},
        {"colour component 256", "Line 0,0,1,1,RGB(256,0,0)", nullptr, "颜色设置的格式错误"},
        {"four colour components", "Line 0,0,1,1,RGB(1,2,3,4)", nullptr, "颜色设置的格式错误"},
        {"colour not closed", "Line 0,0,1,1,RGB(1,2,3", nullptr, "颜色设置的格式错误"},
        {"colour without its bracket", "Line 0,0,1,1,RGB 1,2,3)", nullptr, "颜色设置的格式错误"},
    };
    for (const ParseCase& c : cases) {
        CheckParse(c);
    }
}

TEST(GraphEntityTest, RectangleCommands)
{
    const ParseCase cases[] = {
        {"relative: width and height", "Rectangle 10,20,30,40", "Rectangle[R]", "10,20|40,60|1", 2, 0, 1},
        {"relative form named", "rectangle[r] 0,0,5,5,i", "Rectangle[R]", "0,0|5,5|1", 3, 0, 1},
        {"absolute form, style, colour, width", "Rectangle[A] 10,20,30,40,B,RGB(0,0,255),2", "Rectangle[R]",
         "10,20|30,40|1", 1, 0xFF0000, 2},
        {"upper-case keyword", "RECTANGLE[a] 0,0,5,5", "Rectangle[R]", "0,0|5,5|1", 2, 0, 1},
        {"D is the default style", "Rectangle 0,0,5,5,D", "Rectangle[R]", "0,0|5,5|1", 2, 0, 1},
        {"an unknown style letter keeps the default", "Rectangle 0,0,5,5,Q", "Rectangle[R]", "0,0|5,5|1", 2, 0, 1},
        {"a plain rectangle 1 wide", "Rectangle 0,0,1,1", "Rectangle[R]", "0,0|1,1|1", 2, 0, 1},
        {"rounded", "RoundRect 0,0,100,50,25", "RoundRect[R]", "0,0|100,50|25", 2, 0, 1},
        {"rounded, absolute", "RoundRect[A] 0,0,100,50,5,f,,3", "RoundRect[R]", "0,0|100,50|5", 2, 0, 3},
        {"three values", "Rectangle 0,0,10", nullptr, "参数个数不匹配"},
        {"rounded with four values", "RoundRect 0,0,10,10", nullptr, "参数个数不匹配"},
        {"bad left", "Rectangle x,0,5,5", nullptr, "左边界的参数非法"},
        {"bad top", "Rectangle 0,x,5,5", nullptr, "上边界的参数非法"},
        {"bad right", "Rectangle 0,0,x,5", nullptr, "右边界的参数非法"},
        {"bad bottom", "Rectangle 0,0,5,", nullptr, "下边界的参数非法"},
        {"bad radius", "RoundRect 0,0,5,5,r", nullptr, "半径的参数非法"},
        {"zero width", "Rectangle 5,5,0,10", nullptr, "矩形的对边重合"},
        {"absolute right left of left", "Rectangle[A] 10,0,5,10", nullptr, "矩形的对边重合"},
        {"negative radius", "RoundRect 0,0,100,50,-1", nullptr, "圆角半径不可为负"},
        {"radius above half the height", "RoundRect 0,0,100,50,26", nullptr, "圆角半径太大"},
        {"radius above half the width", "RoundRect 0,0,50,100,26", nullptr, "圆角半径太大"},
        {"width 0 after the second comma", "Rectangle 0,0,5,5,B,,0", nullptr, "线宽参数不可用"},
    };
    for (const ParseCase& c : cases) {
        CheckParse(c);
    }
}

TEST(GraphEntityTest, ArcFamilyCommands)
{
    const ParseCase cases[] = {
        {"arc by centre", "Arc 50,50,40,0,90", "Arc[C]", "50|50|40||0|90", 5, 0, 1},
        {"pie by centre", "Pie[C] 50,50,40,0,90,B", "Pie[C]", "50|50|40||0|90", 1, 0, 1},
        {"chord by centre", "chord 50,50,40,30,150", "Chord[C]", "50|50|40||30|150", 2, 0, 1},
        {"circle completes its angles", "Circle 50,50,40", "Circle[C]", "50|50|40||0|0", 2, 0, 1},
        {"ellipse completes its angles", "Ellipse 50,50,40,20,I", "Ellipse[C]", "50|50|40|20|0|0", 3, 0, 1},
        {"arc by rectangle", "Arc[S] 0,0,100,50,0,180,,RGB(0,128,0),2", "Arc[S]", "0|0|100|50|0|180", 5, 0x8000, 2},
        {"pie by rectangle", "Pie[S] 0,0,100,100,0,90", "Pie[S]", "0|0|100|100|0|90", 2, 0, 1},
        {"chord by rectangle", "Chord[S] 0,0,100,100,0,90", "Chord[S]", "0|0|100|100|0|90", 2, 0, 1},
        {"ellipse by rectangle", "Ellipse[S] 0,0,100,50", "Ellipse[S]", "0|0|100|50|0|0", 2, 0, 1},
        {"centre not a number", "Arc x,50,40,0,90", nullptr, "圆心参数为非数值类型"},
        {"centre y not a number", "Circle 50,y,40", nullptr, "圆心参数为非数值类型"},
        {"radius not a number", "Circle 50,50,r", nullptr, "半径的参数非法"},
        {"start angle", "Arc 50,50,40,s,90", nullptr, "弧的起始角参数为“非数值类型”"},
        {"end angle", "Arc[S] 0,0,10,10,0,e", nullptr, "弧的终止角参数为“非数值类型”"},
        {"box side", "Ellipse[S] 0,0,x,10", nullptr, "右边界的参数非法"},
        {"too few values", "Circle 50,50", nullptr, "缺少参数(可能是：参数个数不匹配)"},
        {"inverted pie", "Pie 50,50,40,0,90,I", nullptr, "弓形及扇形的绘制样式不可为I(原区域取反色)"},
        {"inverted chord", "Chord[S] 0,0,9,9,0,90,i", nullptr, "弓形及扇形的绘制样式不可为I(原区域取反色)"},
    };
    for (const ParseCase& c : cases) {
        CheckParse(c);
    }
}

TEST(GraphEntityTest, PointListAndTextCommands)
{
    const ParseCase cases[] = {
        {"folded line", "Folded 0,0,10,10,20,0", "Folded", "0,0|10,10|20,0", 4, 0, 1},
        {"folded line with colour and width", "Folded (0,0),(10,10),RGB(0,0,1),3", "Folded", "0,0|10,10", 4, 0x10000,
         3},
        {"polygon", "Polygon 0,0,10,0,5,10", "Polygon", "0,0|10,0|5,10", 2, 0, 1},
        {"cubic Bezier", "Bezier 0,0,10,10,20,10,30,0", "Bezier", "0,0|10,10|20,10|30,0", 4, 0, 1},
        {"text with a quote, colour, position", "Text \"零件\"\"A\"\"\",RGB(255,0,0),10,20", "Text",
         "零件\"A\"|10,20|9|0|宋体", 2, 255, 1},
        {"text with height and angle", "text \"a, b\",1,2,12,90", "Text", "a, b|1,2|12|90|宋体", 2, 0, 1},
        {"folded line of one point", "Folded 0,0", nullptr, "点的坐标数据不足"},
        {"polygon of two points", "Polygon 0,0,10,10", nullptr, "点的坐标数据不足"},
        {"quadratic Bezier", "Bezier 0,0,10,10,20,10", nullptr, "当前仅支持三次样条曲线"},
        {"bad point colour", "Folded 0,0,10,10,RGB(1,2)", nullptr, "颜色设置的格式错误"},
        {"odd last value 0 as width", "Folded 0,0,10,10,0", nullptr, "线宽参数不可用"},
        {"a point value that is no number", "Polygon 0,0,10,0,5,x", nullptr, "未知的对象类型或未知的参数序列标识"},
        {"text not closed", "Text \"open,1,2", nullptr, "不完整的内容字符串"},
        {"text without quotes", "Text open,1,2", nullptr, "不完整的内容字符串"},
        {"text without a position", "Text \"a\",5", nullptr, "缺少参数(可能是：参数个数不匹配)"},
        {"text position not a number", "Text \"a\",x,5", nullptr, "起点X坐标非法"},
    };
    for (const ParseCase& c : cases) {
        CheckParse(c);
    }
}

TEST(GraphEntityTest, FigureClassOfEachKeyword)
{
    struct Case
    {
        const char* szName;
        int nClass;
    };
    const Case cases[] = {
        {"Line", 1},         {"folded", 1},    {"POLYGON", 1},      {"Bezier", 1},    {"Arc", 2},
        {"arc[c]", 2},       {"Pie[S]", 2},    {"Chord", 2},        {"Circle[C]", 2}, {"Ellipse[S]", 2},
        {"Rectangle[R]", 3}, {"RoundRect", 3}, {"Rectangle[A]", 3}, {"Text", 4},      {"Text---", 4},
        {"---", 0},          {"", 0},          {"Square", 0},       {"Line-x", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(c.nClass, CGraphEntity::GetTypeByEntityName(c.szName));
    }
}

TEST(GraphEntityTest, DoCheckSyntaxNamesTheFirstBadLine)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        int nResult;
        const char* szMsg;
    };
    const Case cases[] = {
        {"empty text", "", 1, ""},
        {"comments, blank lines and good commands", "'title\r\n\r\nLine 0,0,10,10\r\nRectangle 0,0,5,5\r\n", 1, ""},
        {"third line counts the comment", "'comment\r\nLine 0,0,10,10\r\nRectangle 0,0,10", 0,
         "第3行语法错误\n错误原因为：参数个数不匹配\n该行内容为：'Rectangle 0,0,10'"},
        {"width", "Line 0,0,10,10,,0", 0, "第1行语法错误\n错误原因为：线宽参数不可用\n该行内容为：'Line 0,0,10,10,,0'"},
        {"radius after an empty line", "\r\nRoundRect 0,0,100,50,30", 0,
         "第2行语法错误\n错误原因为：圆角半径太大\n该行内容为：'RoundRect 0,0,100,50,30'"},
        {"the first of two bad lines", "Circle[S] 1,2,3,4\r\nLine", 0,
         "第1行语法错误\n错误原因为：未知的对象类型或未知的参数序列标识\n该行内容为：'Circle[S] 1,2,3,4'"},
        {"a percent sign in the line", "Text \"100%s\",x,0", 0,
         "第1行语法错误\n错误原因为：起点X坐标非法\n该行内容为：'Text \"100%s\",x,0'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strMsg;
        EXPECT_EQ(c.nResult, CGraphEntity::DoCheckSyntax(c.szText, strMsg));
        EXPECT_STREQ(c.szMsg, strMsg);
    }
}

TEST(GraphEntityTest, DrawRefusesWhatItCannotDraw)
{
    CTestDib dib(100, 100);
    CGraphEntity figure;
    EXPECT_EQ(0, figure.Draw(&dib.DC(), 0)) << "no keyword";
    CString strReason;
    ASSERT_EQ(1, figure.SetData("Rectangle 10,10,50,50", strReason, 0));
    EXPECT_EQ(0, figure.Draw(nullptr, 0));

    struct Case
    {
        const char* szName;
        const char* szLine;
        int nStyle;
        int nResult;
    };
    const Case cases[] = {
        {"line style on a rectangle", "Rectangle 10,10,50,50", CGraphEntity::styleLine, 0},
        {"arc style on a line", "Line 0,0,50,50", CGraphEntity::styleArc, 0},
        {"arc style on an arc", "Arc 50,50,40,0,90", CGraphEntity::styleArc, 1},
        {"style 0 draws nothing", "Rectangle 10,10,50,50", CGraphEntity::styleNone, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib canvas(100, 100);
        ASSERT_EQ(1, figure.SetData(c.szLine, strReason, 0));
        figure.m_nDrawStyle = c.nStyle;
        EXPECT_EQ(c.nResult, figure.Draw(&canvas.DC(), 0));
        if (c.nStyle == CGraphEntity::styleNone) {
            EXPECT_EQ(0, canvas.CountInk(CRect(0, 0, 100, 100)));
        }
    }

    // Parameters set by hand that no parser would write are refused, not misread.
    figure.SetData("Rectangle 10,10,50,50", strReason, 0);
    figure.m_asFigureParam.SetAt(1, "junk");
    EXPECT_EQ(0, figure.Draw(&dib.DC(), 0));
    EXPECT_EQ(0, dib.CountInk(CRect(0, 0, 100, 100)));
}

TEST(GraphEntityTest, DrawStylesOutlineFillAndInvert)
{
    struct Case
    {
        const char* szName;
        const char* szLine;
        COLORREF crCentre;
        COLORREF crEdge;
    };
    const Case cases[] = {
        {"B outlines", "Rectangle 10,10,80,80,B,RGB(255,0,0),3", RGB(255, 255, 255), RGB(255, 0, 0)},
        {"F fills", "Rectangle 10,10,80,80,F,RGB(0,0,255)", RGB(0, 0, 255), RGB(0, 0, 255)},
        {"I inverts", "Rectangle 10,10,80,80,I", RGB(0, 0, 0), RGB(0, 0, 0)},
        {"inverted ellipse", "Ellipse[S] 10,10,90,90,I", RGB(0, 0, 0), RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CTestDib dib(100, 100);
        CGraphEntity figure;
        CString strReason;
        ASSERT_EQ(1, figure.SetData(c.szLine, strReason, 0)) << strReason.GetString();
        ASSERT_EQ(1, figure.Draw(&dib.DC(), 0));
        EXPECT_EQ(c.crCentre, dib.Pixel(50, 50));
        EXPECT_EQ(c.crEdge, dib.Pixel(11, 11));
    }
}

TEST(GraphEntityTest, DrawingWithTheUpwardFlagTurnsLaterRelativeRectanglesUp)
{
    CTestDib dib(10, 10);
    CGraphEntity figure;
    CString strReason;
    EXPECT_EQ(0, figure.m_nRectUpward);
    ASSERT_EQ(1, figure.SetData("Rectangle 10,50,20,30", strReason, 0));
    EXPECT_EQ("10,50|30,80|1", Params(figure));
    figure.Draw(&dib.DC(), 1);
    ASSERT_EQ(1, figure.SetData("Rectangle 10,50,20,30", strReason, 0));
    EXPECT_EQ("10,20|30,50|1", Params(figure));
    ASSERT_EQ(1, figure.SetData("Rectangle[A] 10,50,20,60", strReason, 0));
    EXPECT_EQ("10,50|20,60|1", Params(figure)) << "the absolute form is not turned";
    figure.Draw(&dib.DC(), 0);
    ASSERT_EQ(1, figure.SetData("Rectangle 10,50,20,30", strReason, 0));
    EXPECT_EQ("10,50|30,80|1", Params(figure));
}

// Deterministic bytes: figure-like pieces, GBK characters, huge numbers and stray quotes.
class CNoiseText
{
public:
    CString Line()
    {
        static const char* const pieces[] = {
            "Line ",       "Rectangle ",  "RoundRect[A] ",
            "Arc[S] ",     "Pie ",        "Circle ",
            "Text \"",     "Folded ",     "Bezier ",
            "Polygon ",    "Ellipse[C] ", "RGB(",
            ")",           "(",           ",",
            ",,",          "'",           "\"",
            "\"\"",        " ",           "\t",
            "-",           "+",           "99999999999999999999",
            "-2147483648", "0",           "7",
            "B",           "I",           "F",
            "D",           "零件",        "\xD5\x2C",
            "\xFE",        "%s%n",
        };
        CString str;
        const int nPieces = static_cast<int>(Next() % 14);
        for (int i = 0; i < nPieces; ++i) {
            str += pieces[Next() % (sizeof(pieces) / sizeof(pieces[0]))];
        }
        return str;
    }

private:
    unsigned Next()
    {
        m_nState = m_nState * 1103515245u + 12345u;
        return m_nState >> 8;
    }
    unsigned m_nState = 21;
};

TEST(GraphEntityTest, AnyTextNeitherCrashesTheParserNorTheDrawing)
{
    CNoiseText noise;
    CTestDib dib(64, 64);
    CString strAll;
    int nParsed = 0;
    for (int i = 0; i < 4000; ++i) {
        // Every third line a good command with noise after its geometry.
        static const char* const good[] = {"Line 0,0,50,50,",    "Rectangle 1,1,20,20,", "RoundRect 0,0,40,40,5,",
                                           "Arc 30,30,20,0,90,", "Folded 0,0,9,9,",      "Text \"x\",1,1,"};
        const CString strLine = (i % 3 == 0 ? CString(good[i % 6]) : CString()) + noise.Line();
        strAll += strLine + "\r\n";
        CGraphEntity figure;
        CString strReason;
        if (figure.SetData(strLine, strReason, 0) != 0) {
            ++nParsed;
            figure.Draw(&dib.DC(), 0);
        } else {
            EXPECT_FALSE(strReason.IsEmpty()) << strLine.GetString();
            EXPECT_EQ(0, figure.Draw(&dib.DC(), 0));
        }
    }
    EXPECT_GT(nParsed, 0);
    CString strMsg;
    EXPECT_EQ(0, CGraphEntity::DoCheckSyntax(strAll, strMsg));
    EXPECT_EQ(0, strMsg.Find("第"));

    // One very long line, and a very long text of good lines.
    CString strLong = "Folded 0,0";
    for (int i = 0; i < 20000; ++i) {
        strLong += ",1";
    }
    EXPECT_EQ(1, CGraphEntity::DoCheckSyntax(strLong, strMsg));
    CString strMany;
    for (int i = 0; i < 20000; ++i) {
        strMany += "Line 0,0,1,1\r\n";
    }
    strMany += "Line 0,0";
    EXPECT_EQ(0, CGraphEntity::DoCheckSyntax(strMany, strMsg));
    EXPECT_EQ(0, strMsg.Find("第20001行")) << strMsg.Left(40).GetString();
}

// Numbers no card needs: GDI crashes, hangs or takes gigabytes on them. The check refuses them and
// names the line; values a card does use still pass.
TEST(GraphEntityTest, DoCheckSyntaxRefusesFiguresBeyondACard)
{
    struct Case
    {
        const char* szName;
        const char* szText;
        const char* szReason; // null: the text passes
    };
    const Case cases[] = {
        {"chord of radius 967296", "Chord 50,50,967296,30,150", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"circle of radius 2^31 - 1", "Circle 0,0,2147483647", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"ellipse by rectangle to -2^31", "Ellipse[S] -2147483648,0,10,10", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"pie centred far away", "Pie 99999999999,5,10,0,90", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"line to 2^31 - 1", "Line 0,0,2147483647,10", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"line with a pen 1,048,581 wide", "Line 0,0,10,10,,1048581", "线宽参数超出范围(1～1000)"},
        {"polygon with a huge point", "Polygon 0,0,16777216,0,0,50", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"folded line with a pen 16,777,216 wide", "Folded 0,0,10,10,16777216", "线宽参数超出范围(1～1000)"},
        {"bezier far away", "Bezier 0,0,1,1,2,2,3,1000000", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"rectangle 99,999,999 wide", "Rectangle 0,0,99999999,10", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"relative rectangle ending beyond", "Rectangle 90000,0,20000,10", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"rounded rectangle 2^31 - 1 high", "RoundRect[A] 0,0,10,2147483647,2",
         "坐标或尺寸参数超出范围(-100000～100000)"},
        {"text of 100,000 points", "Text \"A\",10,10,100000", "文字高度参数超出范围(1～500)"},
        {"text placed far away", "Text \"A\",10,-16646144", "坐标或尺寸参数超出范围(-100000～100000)"},
        {"card-sized figures pass",
         "Chord 1050,1485,1000,30,150\r\nRectangle[A] -100000,0,100000,2970,B,,1000\r\n"
         "Text \"A\",10,10,500\r\nFolded 0,0,100000,-100000",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CString strMsg;
        const CString strText = CString("'figure\r\n") + c.szText;
        if (c.szReason == nullptr) {
            EXPECT_EQ(1, CGraphEntity::DoCheckSyntax(strText, strMsg)) << strMsg.GetString();
            continue;
        }
        EXPECT_EQ(0, CGraphEntity::DoCheckSyntax(strText, strMsg));
        CString strExpected;
        strExpected.Format("第2行语法错误\n错误原因为：%s\n该行内容为：'%s'", c.szReason, c.szText);
        EXPECT_STREQ(strExpected, strMsg);
    }
}

// Parameters that never passed the check (set by hand, or from an older template) are drawn
// clamped: pens, coordinates and text heights reach GDI within a card's range.
TEST(GraphEntityTest, DrawingClampsWhatGetsThrough)
{
    struct Case
    {
        const char* szName;
        const char* szLine;
        int nEntry;
        const char* szEntry;
        int nPenWidth;
    };
    const Case cases[] = {
        {"chord of radius 967296", "Chord 50,50,40,30,150", 2, "967296", 1},
        {"ellipse to 2^31 - 1", "Ellipse[S] 0,0,100,50", 2, "2147483647", 1},
        {"line to -2^31", "Line 0,0,10,10", 1, "-2147483648,5", 1},
        {"polygon pen 16,777,216 wide", "Polygon 0,0,50,0,0,50", 1, "50,0", 16777216},
        {"rounded rectangle to 2^31 - 1", "RoundRect[A] 0,0,100,50,5", 1, "2147483647,2147483647", 1},
        {"text of 10^9 points", "Text \"A\",10,10,9", 2, "1000000000", 1},
        {"text far away", "Text \"A\",10,10,9", 1, "16646144,16646144", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CGraphEntity figure;
        CString strReason;
        ASSERT_EQ(1, figure.SetData(c.szLine, strReason, 0)) << strReason.GetString();
        figure.m_asFigureParam.SetAt(c.nEntry, c.szEntry);
        figure.m_nPenWidth = c.nPenWidth;
        CTestMetafile emf;
        EXPECT_EQ(1, figure.Draw(&emf.DC(), 0));
        for (const EmfRecord& rec : emf.Records()) {
            if (rec.iType == EMR_CREATEPEN) {
                EXPECT_LE(reinterpret_cast<const EMRCREATEPEN*>(rec.data.data())->lopn.lopnWidth.x, kCappMaxPenWidth);
            } else if (rec.iType == EMR_EXTCREATEFONTINDIRECTW) {
                const LOGFONTW& lf =
                    reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(rec.data.data())->elfw.elfLogFont;
                EXPECT_LE(std::abs(lf.lfHeight), kCappMaxFontSize);
            } else if (rec.iType == EMR_HEADER) {
                // The bounds of everything drawn, in device units of the reference screen.
                const RECTL& rc = reinterpret_cast<const ENHMETAHEADER*>(rec.data.data())->rclBounds;
                EXPECT_LE(std::max({std::abs(rc.left), std::abs(rc.top), std::abs(rc.right), std::abs(rc.bottom)}),
                          2 * kCappMaxCoord + 100);
            }
        }
        // Drawn on a bitmap too, where a huge figure crashed or hung GDI.
        CTestDib dib(100, 100);
        EXPECT_EQ(1, figure.Draw(&dib.DC(), 0));
    }
}

TEST(GraphEntityTest, PictureOfEveryKeyword)
{
    // One figure per cell of 160 by 120, drawn 1:1 in pixels, the keyword written above it.
    struct Figure
    {
        const char* szKeyword;
        const char* szLine;
    };
    const Figure figures[] = {
        {"Line", "Line 20,30,140,100,RGB(200,0,0),3"},
        {"Folded", "Folded 20,100,60,30,100,100,140,30,RGB(0,0,200),2"},
        {"Polygon", "Polygon 80,25,140,100,20,100,RGB(0,160,0)"},
        {"Bezier", "Bezier 20,100,40,10,120,110,140,30,RGB(120,0,120),2"},
        {"Arc", "Arc 80,65,40,30,240,,RGB(0,0,0),2"},
        {"Pie", "Pie 80,65,40,30,240,F,RGB(255,160,0)"},
        {"Chord", "Chord 80,65,40,30,240,B,RGB(0,120,200),2"},
        {"Circle", "Circle 80,65,40,B,,2"},
        {"Ellipse", "Ellipse 80,65,60,35,F,RGB(200,200,0)"},
        {"Arc[S]", "Arc[S] 20,25,140,105,0,180,,RGB(200,0,0),3"},
        {"Pie[S]", "Pie[S] 20,25,140,105,90,360,B,,2"},
        {"Chord[S]", "Chord[S] 20,25,140,105,200,340,F,RGB(0,160,160)"},
        {"Ellipse[S]", "Ellipse[S] 20,25,140,105,I"},
        {"Rectangle", "Rectangle 20,25,120,80,B,RGB(0,0,200),3"},
        {"RoundRect", "RoundRect 20,25,120,80,20,F,RGB(160,200,255)"},
        {"Rectangle[A]", "Rectangle[A] 20,25,140,105,I"},
        {"RoundRect[A]", "RoundRect[A] 20,25,140,105,30,B,RGB(200,0,120),2"},
        {"Text", "Text \"零件图号 A-1\",RGB(0,0,160),14,55,6"},
    };
    const int nCols = 6;
    const int cxCell = 160;
    const int cyCell = 120;
    const int nCount = static_cast<int>(sizeof(figures) / sizeof(figures[0]));
    const int nRows = (nCount + nCols - 1) / nCols;
    CTestDib dib(nCols * cxCell, nRows * cyCell);
    // Grey cells so that inverted figures show.
    for (int i = 0; i < nCount; ++i) {
        const int x0 = (i % nCols) * cxCell;
        const int y0 = (i / nCols) * cyCell;
        dib.DC().FillSolidRect(x0 + 4, y0 + 18, cxCell - 8, cyCell - 22, RGB(235, 235, 235));
        dib.DC().TextOut(x0 + 4, y0 + 2, figures[i].szKeyword);
    }
    for (int i = 0; i < nCount; ++i) {
        SCOPED_TRACE(figures[i].szKeyword);
        const int x0 = (i % nCols) * cxCell;
        const int y0 = (i / nCols) * cyCell;
        const CRect rcFigure(x0 + 4, y0 + 20, x0 + cxCell - 4, y0 + cyCell - 4);
        const int nBefore = dib.CountInk(rcFigure, RGB(235, 235, 235));
        CGraphEntity figure;
        CString strReason;
        ASSERT_EQ(1, figure.SetData(figures[i].szLine, strReason, 0)) << strReason.GetString();
        dib.DC().SetViewportOrg(x0, y0);
        EXPECT_EQ(1, figure.Draw(&dib.DC(), 0));
        dib.DC().SetViewportOrg(0, 0);
        EXPECT_GT(dib.CountInk(rcFigure, RGB(235, 235, 235)), nBefore + 50);
    }
    const std::string strPath = TestImagePath("figure-keywords.png");
    EXPECT_TRUE(SavePng(strPath.c_str(), dib.Bits(), dib.Width(), dib.Height()));
}

} // namespace
