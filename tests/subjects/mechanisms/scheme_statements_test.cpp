#include <gtest/gtest.h>

#include <string>

#include "tests/subjects/mechanisms/catalogue_run.h"

namespace mechanisms {
namespace {

using testing_support::VariantParams;

// The statement box of one variant: from "\hfill\parbox" to the closing "}%%".
std::string Statement(const VariantParams& p) {
  const std::string main = mechanisms_test::RunScheme(p).main;
  return main.substr(main.find("\\hfill\\parbox[b]{290pt}{"));
}

constexpr const char* kTask =
    " Составить уравнение движения системы. За обобщенную координату принять ";

TEST(SchemeStatements, SchemeWithoutCoordinateNameEndsWithTheSymbol) {
  const std::string text = Statement({10, 1, 1, 1, 1, 1, 1});
  EXPECT_TRUE(text.ends_with(std::string(kTask) + "\r\n $\\varphi$. \r\n}%%\r\n")) << text;
}

TEST(SchemeStatements, Schemes17To19ForceSentences) {
  const std::string s17 = Statement({17, 1, 1, 1, 1, 1, 1});
  const std::string s18 = Statement({18, 1, 2, 1, 1, 1, 1});
  const std::string s19 = Statement({19, 2, 1, 1, 1, 1, 1});
  EXPECT_NE(s17.find("\r\n к шарниру $A$ -- горизонтальная сила $F$.\r\n"), std::string::npos)
      << s17;
  EXPECT_NE(s18.find("\r\n к шарниру $A$ -- вертикальная сила $F$.\r\n"), std::string::npos)
      << s18;
  EXPECT_EQ(s19.find("сила"), std::string::npos) << s19;
  EXPECT_NE(s19.find(" К стержню $OA$ приложен момент $M$.\r\n"), std::string::npos) << s19;
}

// The given texts, piece by piece: a line, or text that the next piece continues.
TEST(SchemeStatements, GivenTextsKeepTheirLinesAndBlanks) {
  EXPECT_EQ(Statement({3, 2, 1, 1, 1, 1, 1}),
            "\\hfill\\parbox[b]{290pt}{\r\n"
            " Стержень $AB=a$ соединяет вертикальный поршень\r\n"
            " и горизонтально движущийся брусок массой $m_1$. Брусок вращает цилиндр радиуса "
            "$R$  массой $m_2$. К цилиндру приложен момент $M$.\r\n" +
                std::string(kTask) + "\r\n $\\varphi$. \r\n}%%\r\n");
  const std::string s3 = Statement({3, 1, 2, 1, 1, 1, 1});
  EXPECT_NE(s3.find(" вертикальный поршень\r\n массой $m_1$\r\n и горизонтально движущийся "
                    "брусок.\r\n Цилиндр  радиуса"),
            std::string::npos)
      << s3;
  const std::string s9 = Statement({9, 2, 2, 1, 1, 1, 1});
  EXPECT_NE(s9.find("$AB=BC=BD=a$. Составить"), std::string::npos) << s9;
  EXPECT_NE(s9.find("стержня  $AC$ массой $m_1$, цилиндра \r\n  и кривошипа"), std::string::npos)
      << s9;
}

TEST(SchemeStatements, Scheme123NamesThePlateOfTheCoordinate) {
  const std::string upper = Statement({123, 1, 1, 1, 4, 1, 1});
  EXPECT_TRUE(upper.ends_with(std::string(kTask) +
                              " перемещение верхней пластины \r\n $x$. \r\n}%%\r\n"))
      << upper;
  const std::string lower = Statement({123, 2, 2, 2, 4, 1, 1});
  EXPECT_NE(lower.find(" перемещение нижней  пластины \r\n $x$. "), std::string::npos) << lower;
  EXPECT_NE(lower.find(" Масса нижней пластины $m_1$, масса блока $m_2$"), std::string::npos)
      << lower;
}

// Scheme 50 with P4 = 1, P2 = 2, P3 = 1: the pieces of the rolling discs form one line with
// R = 4r and the letter A; the rod carries m2.
TEST(SchemeStatements, Scheme50ComposesItsRadiiAndLetter) {
  EXPECT_EQ(Statement({50, 2, 1, 1, 1, 1, 1}),
            "\\hfill\\parbox[b]{290pt}{\r\n"
            " Оси двух дисков радиусами $r$ соединены стержнем длиной $3r$. \r\n"
            "  Диск $A$ массой $m_1$ катится по горизонтальной поверхности, другой  --- по  "
            "цилиндрической поверхности радиусом  $R=4r$. К диску $A$ приложен момент $M$. \r\n"
            " Масса стержня  $m_2$, массой диска $B$ пренебречь.\r\n" +
                std::string(kTask) + " угол поворота стержня  \r\n $\\varphi$. \r\n}%%\r\n");
  const std::string b = Statement({50, 1, 2, 2, 1, 1, 1});
  EXPECT_NE(b.find("другой, массой $m_2$, \r\n  --- по  цилиндрической поверхности радиусом  "
                   "$R=5r$. К диску $B$"),
            std::string::npos)
      << b;
}

TEST(SchemeStatements, Schemes41And49NameTheirCoordinates) {
  const std::string s41 = Statement({41, 2, 1, 1, 1, 1, 1});
  EXPECT_NE(s41.find("\r\nМасса пластины $m_1$, \r\nпризмы  --- $m_2$.  К цилиндру"),
            std::string::npos)
      << s41;
  EXPECT_TRUE(s41.ends_with(" перемещение пластины \r\n $x$. \r\n}%%\r\n")) << s41;
  EXPECT_TRUE(Statement({49, 1, 1, 1, 1, 1, 1})
                  .ends_with(" перемещение пресса \r\n $y$. \r\n}%%\r\n"));
}

// Schemes 67 and 70 carry the symbol in the coordinate's words: an empty line follows.
TEST(SchemeStatements, Schemes67And70EndWithAnEmptyLine) {
  EXPECT_TRUE(Statement({67, 1, 1, 1, 1, 1, 1})
                  .ends_with(std::string(kTask) +
                             " угол поворота $\\varphi$ цилиндра $A$.\r\n\r\n}%%\r\n"));
  const std::string s70 = Statement({70, 2, 2, 2, 7, 1, 1});
  EXPECT_NE(s70.find(" Масса  блока $m_2$.\r\n Момент инерции блока $J$. На  блок действует "
                     "момент $M$, на цилиндр  --- горизонтальная сила $F$. " +
                     std::string(kTask) + " координату $x$ оси цилиндра.\r\n\r\n}%%\r\n"),
            std::string::npos)
      << s70;
  const std::string first = Statement({70, 1, 1, 1, 5, 1, 1});
  EXPECT_NE(first.find("огибает горизонтальная нить.  Масса бруска $m_2$.\r\n Момент инерции "
                       "блока $J$. На цилиндр действует момент $M$, на  брусок --- "
                       "горизонтальная сила $F$. "),
            std::string::npos)
      << first;
  EXPECT_TRUE(first.ends_with(" координату $x$ бруска. \r\n\r\n}%%\r\n")) << first;
}

// Scheme 78 writes its first sentence whole, the force sentence on the same line.
TEST(SchemeStatements, Scheme78LongLine) {
  const std::string text = Statement({78, 2, 1, 1, 1, 1, 1});
  const auto from = text.find(" К концу стержня  длиной $2L$");
  ASSERT_NE(from, std::string::npos) << text;
  const std::string line = text.substr(from, text.find("\r\n", from) - from);
  EXPECT_TRUE(line.ends_with("прижатого к вертикальной плоскости. К концу стержня  приложена "
                             "сила $F$, к бруску --- $P$."))
      << line;
  EXPECT_NE(line.find("на цилиндре, приводит"), std::string::npos) << line;
  EXPECT_NE(text.find("\r\n Масса цилиндра  --- $m_2$.\r\n Радиус цилиндра $r$.\r\n"),
            std::string::npos)
      << text;
}

// Scheme 99 names its coordinate with a Latin "c" in the word for the rod, as stored.
TEST(SchemeStatements, Scheme99CoordinateWordsAsStored) {
  const std::string text = Statement({99, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(text.find(" угол поворота c\xd1\x82ержня  $OA$  \r\n $\\varphi$. "), std::string::npos)
      << text;
}

// Scheme 124, sub-variant 2: the radii are multiples of r that grow with P6; P3 names the
// body of m2. Sub-variant 7 names the rod whose angle the figure marks.
TEST(SchemeStatements, Scheme124RadiiAndCoordinate) {
  EXPECT_EQ(Statement({124, 1, 2, 1, 2, 2, 1}),
            "\\hfill\\parbox[b]{290pt}{\r\n"
            " Диск радиусом $r$ катится по цилиндрической поверхности радиусом $R=5r$.  "
            "Шарнирный двухзвенник  $OAB$ соединяет ось диска и неподвижную опору в центре "
            "цилиндрической поверхности; \r\n"
            " $OA=4r$, $AB=4\\sqrt{2}\\,r$.  К  шарниру $A$ приложена горизонтальная сила $F$, "
            "к диску --- момент $M$.  Масса  кривошипа  равна $m_1$, \r\n"
            "  диска --- $m_2$. " +
                std::string(kTask) + " угол поворота кривошипа \r\n $\\varphi$. \r\n}%%\r\n");
  EXPECT_NE(Statement({124, 1, 1, 1, 2, 1, 1}).find("$R=4r$.  "), std::string::npos);
  EXPECT_NE(Statement({124, 1, 1, 1, 2, 1, 1}).find("  стержня $AB$  --- $m_2$. "),
            std::string::npos);
  EXPECT_NE(Statement({124, 1, 1, 1, 7, 1, 1}).find(" угол поворота стержня $BC$ \r\n"),
            std::string::npos);
  EXPECT_NE(Statement({124, 2, 1, 1, 7, 1, 1}).find(" угол поворота стержня $AB$ \r\n"),
            std::string::npos);
}

// Scheme 125, sub-variant 10: the ring's and the two-link's sizes by P6, the bodies by P4
// and P3.
TEST(SchemeStatements, Scheme125RingInCentimetres) {
  EXPECT_EQ(Statement({125, 1, 2, 2, 10, 2, 1}),
            "\\hfill\\parbox[b]{290pt}{\r\n"
            " Кольцо с внутренним радиусом $r=30$~см и внешним $R=35$~см  опирается на два "
            "цилиндра одинакового радиуса $r_0=10$~см так, что его центр совпадает с опорой "
            "$O$.  Шарнирный двухзвенник  $OAB$ соединяет точку на внутренней поверхности "
            "кольца с неподвижной опорой; \r\n"
            " $OA=40$~см, $AB=50$~см.  К  шарниру $A$ приложена горизонтальная сила $\\vec F$, "
            "к правому цилиндру --- момент $M$.\r\n"
            " Масса левого цилиндра равна $m_1$, масса стержня  $AB$  --- $m_2$. " +
                std::string(kTask) + " угол поворота кривошипа \r\n $\\varphi$. \r\n}%%\r\n");
  const std::string first = Statement({125, 1, 1, 1, 10, 1, 1});
  EXPECT_NE(first.find(" $OA=30$~см, $AB=50$~см. "), std::string::npos) << first;
  EXPECT_NE(first.find(" Масса кольца равна $m_1$, момент инерции $J_1$,  масса кривошипа  $OA$ "
                       "--- $m_2$. "),
            std::string::npos)
      << first;
  EXPECT_NE(Statement({125, 1, 1, 1, 1, 1, 3}).find(" угол поворота стержня $AB$ \r\n"),
            std::string::npos);
  EXPECT_NE(Statement({125, 1, 1, 1, 1, 1, 4}).find(" угол поворота стержня $BC$ \r\n"),
            std::string::npos);
}

// Scheme 126, sub-variant 5: the given text; the coordinate follows P7.
TEST(SchemeStatements, Scheme126PlateOnTwoCylinders) {
  const std::string head =
      "\\hfill\\parbox[b]{290pt}{\r\n"
      "Тонкая пластина  лежит на двух цилиндрах $A$ и $B$ одинакового радиуса $R$. Ось одного "
      "цилиндра соединена стержнем $BC$ с осью диска радиуса $r$, катающегося по пластине. \r\n"
      " К цилиндру приложен  момент $M_1$, к  диску   ---  $M_2$, к пластине --- "
      "горизонтальная сила $\\vec F$.\r\n";
  EXPECT_EQ(Statement({126, 1, 2, 2, 5, 1, 3}),
            head + " Масса  пластины   равна $m_1$, масса стержня  $BC$ --- $m_2$. " + kTask +
                " смещение пластины \r\n $x$. \r\n}%%\r\n");
  EXPECT_EQ(Statement({126, 1, 1, 1, 5, 1, 2}),
            head + " Масса цилиндра $A$ равна $m_1$, масса диска  --- $m_2$. " + kTask +
                " угол поворота диска \r\n $\\varphi$. \r\n}%%\r\n");
}

// Scheme 127, sub-variant 10: the given text with the piston's mass.
TEST(SchemeStatements, Scheme127PistonStatement) {
  EXPECT_EQ(Statement({127, 1, 2, 2, 10, 1, 1}),
            "\\hfill\\parbox[b]{290pt}{\r\n"
            " Ползун $A$, шарнирно закрепленный на кривошипе  $OA$,  скользит по нижней "
            "поверхности поршня, движущегося в вертикальных направляющих. Цилиндр радиусом $r$ "
            "соединен стержнем $AB$ с ползуном и катится по верхней поверхности поршня.  \r\n"
            " К цилиндру приложен момент $M$ и горизонтальная сила $\\vec F$, к поршню --- две "
            "вертикальные силы $P$; $OA=a$.\r\n"
            " Масса цилиндра равна $m_1$,  масса поршня --- $m_2$. " +
                std::string(kTask) + " угол поворота кривошипа \r\n $\\varphi$. \r\n}%%\r\n");
}

}  // namespace
}  // namespace mechanisms
