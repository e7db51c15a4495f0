// The two help documents: their internal links resolve and they say where things are kept.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string Lire(const std::string& nom)
{
    std::ifstream f(std::string(COGITELLE_SOURCE_DIR) + "/help/" + nom, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::set<std::string> Captures(const std::string& texte, const std::regex& motif)
{
    std::set<std::string> r;
    for (std::sregex_iterator i(texte.begin(), texte.end(), motif), fin; i != fin; ++i)
        r.insert((*i)[1]);
    return r;
}

} // namespace

TEST(DocumentsAide, LiensSommaireEtContenu)
{
    std::set<std::string> anciennesAncres;
    for (const char* nom : {"cogitellefr.html", "cogitelleus.html"}) {
        SCOPED_TRACE(nom);
        const std::string doc = Lire(nom);
        ASSERT_FALSE(doc.empty());
        const auto ancres = Captures(doc, std::regex(R"(<a name="([^"]+)\")"));
        const auto liens = Captures(doc, std::regex(R"(<a href="#([^"]+)\")"));
        for (const std::string& lien : liens)
            EXPECT_TRUE(ancres.count(lien)) << "broken link #" << lien;
        // Every section is reachable from the contents, which come first.
        for (const std::string& ancre : ancres) {
            if (ancre != "sommaire") {
                EXPECT_TRUE(liens.count(ancre)) << "section #" << ancre << " missing from the contents";
            }
        }
        EXPECT_GE(ancres.size(), 12u);
        EXPECT_LT(doc.find("name=\"sommaire\""), doc.find("name=\"presentation\""));
        if (!anciennesAncres.empty()) {
            EXPECT_EQ(ancres, anciennesAncres);
        }
        anciennesAncres = ancres;

        for (const char* titre : {"JEU DU LABYRINTHE", "CARRES MAGIQUES", "JEU DES DIFFERENCES", "JEU DU SERPENTIN",
                 "JEU DE LA MEMOIRE", "DEMARRER", "Jeu et cogitelle au hasard", "REJOUER",
                 "Détail des meilleurs scores", "Recréer les meilleurs scores"})
            EXPECT_NE(doc.find(titre), std::string::npos) << titre;
        EXPECT_NE(doc.find("<b>scoresI</b>"), std::string::npos);
        EXPECT_NE(doc.find("Ludivex/COGITELLE I.ini"), std::string::npos);
        EXPECT_NE(doc.find("HKEY_CURRENT_USER\\Software\\Ludivex\\COGITELLE I"), std::string::npos);
        EXPECT_NE(doc.find("<meta charset=\"utf-8\">"), std::string::npos);
    }
}
