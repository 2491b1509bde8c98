#include "ResourceTestSupport.h"

#include "module/ResourceString.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct TableRow {
    UINT id;
    const char* english;
    const char* french;
    const char* german;
};

// The whole table as the user sees it; the test source is UTF-8 and Cp1252
// turns each text into the bytes LoadStringA must hand out.
const TableRow kTable[] = {
    {101, "Start of segment must be lower than end of the segment.",
     "La valeur de début du segment doit être inférieure à la valeur de fin.",
     "Anfang des Segments muss kleiner als das Ende des Segments sein."},
    {102, "Start of segment must be less than duration of the program.",
     "La valeur de début du segment doit être inférieure à la durée du programme.",
     "Anfang des Segments muss kleiner als die Dauer des Programms sein."},
    {103, "Segment of audio program on your %s.\r\nStart: %s.\r\nEnd: %s.\r\nPlayback position: %s.",
     "Segment de programme audio sur votre %s.\r\nDébut : %s.\r\nFin : %s.\r\nPosition de lecture : %s.",
     "Segment des Audioprogramms auf dem %s.\r\nAnfang: %s.\r\nEnde: %s.\r\nWiedergabeposition: %s."},
    {104, "Segment of audio program on your %s after transfer.\r\nStart: %s.\r\nEnd: %s.\r\nPlayback position: %s.",
     "Segment de programme audio sur votre %s après transfert.\r\nDébut : %s.\r\nFin : %s.\r\nPosition de lecture : "
     "%s.",
     "Segment des Audioprogramms auf dem %s nach Übertragung.\r\nAnfang: %s.\r\nEnde: %s.\r\nWiedergabeposition: %s."},
    {105, "Title", "Titre", "Titel"},
    {106, "Playing Time", "Temps de lecture", "Spielzeit"},
    {107, "Segment on Player", "Segment en cours de lecture", "Segment auf Player"},
    {108, "Size on Player", "Taille segment en cours de lecture", "Größe auf Player"},
    {109, "Segment on CD", "Segment sur CD", "Segment auf CD"},
    {110, "CD required for title", "CD requis pour le titre", "CD für Titel erforderlich"},
    {111, "Device View", "Vue Périphérique", "Geräteansicht"},
    {112, "Device Memory:", "Mémoire périphérique :", "Gerätearbeitsspeicher:"},
    {113, "CD burning engine", "Moteur de gravure de CD", "CD-Brennmodul"},
    {114, "No Device", "Pas de périphérique", "Kein Gerät"},
    {115, "%s connected. Tessaly programs on %s", " %s connecté. Programmes Tessaly sur %s",
     "%s verbunden. Tessaly-Programme auf %s"},
    {116, "%s is not connected", " %s n'est pas connecté", "%s ist nicht verbunden."},
    {117, "Reading %s", "En cours de lecture de %s", "%s wird gelesen"},
    {118, "Used %.1f MB", "%.1f Mo utilisés", "%.1f MB verwendet"},
    {119, "CD Usage:", "Utilisation du CD :", "CD-Verwendung:"},
    {120, "Device status", "Etat du périphérique", "Gerätestatus"},
    {121, "Tessaly programs on your %s", "Programmes Tessaly sur votre %s", "Tessaly-Programme auf %s"},
    {122, "No mobile device selected", "Aucun périphérique mobile sélectionné", "Kein mobiles Gerät ausgewählt."},
    {123, "Your %s is not connected", " %s n'est pas connecté", "%s ist nicht verbunden."},
    {124, "%s. %s. Playing time %s. Size %s", " %s. %s. Temps de lecture %s. Taille %s",
     "%s. %s. Spielzeit %s. Größe %s"},
    {125, "Used: ", "Utilisé : ", "Verwendet: "},
    {126, "Free: ", "Libre : ", "Frei: "},
    {127, "Total: ", "Total : ", "Gesamt: "},
    {128, "Free %.1f MB", "%.1f Mo libres", "%.1f MB frei"},
    {129, "Total %.1f MB", "%.1f Mo au total", "%.1f MB gesamt"},
    {130, "%.1f MB", "%.1f Mo", "%.1f MB"},
};

std::string Expected(const TableRow& row) {
    switch (LanguageInForce()) {
        case kFrench:
            return Cp1252(row.french);
        case kGerman:
            return Cp1252(row.german);
        default:
            return Cp1252(row.english);
    }
}

TEST(StringTable, LanguageFollowsLcAllAndTextsComeOutInWindows1252) {
    EXPECT_EQ(1252u, GetACP()) << "the expected bytes assume it";
    const char* lcAll = std::getenv("LC_ALL");
    const std::string locale = lcAll != nullptr ? lcAll : "";
    const LANGID expected = locale.rfind("fr", 0) == 0 ? kFrench : locale.rfind("de", 0) == 0 ? kGerman : kEnglish;
    EXPECT_EQ(LanguageName(expected), std::string(LanguageName(LanguageInForce()))) << "LC_ALL=" << locale;
}

TEST(StringTable, EveryStringIsTheTableTextOfTheLanguageInForceAndTheTableStopsAtItsEnds) {
    ASSERT_EQ(IDS_LAST - IDS_FIRST + 1, static_cast<int>(std::size(kTable)));
    for (const TableRow& row : kTable) {
        const std::string expected = Expected(row);
        EXPECT_EQ(expected, LoadResourceString(row.id))
            << "string " << row.id << " in " << LanguageName(LanguageInForce());
        char buffer[512];
        const int copied = LoadResourceString(row.id, buffer, sizeof buffer);
        EXPECT_EQ(expected, std::string(buffer, copied)) << "string " << row.id << " into a buffer";
    }
    EXPECT_EQ("", LoadResourceString(IDS_FIRST - 1));
    EXPECT_EQ("", LoadResourceString(IDS_LAST + 1));
}

// Into a buffer: the characters copied, the text cut to the buffer and
// always terminated, nothing written without room for a character.
TEST(StringTable, BufferFormCutsAndTerminatesTheText) {
    const UINT id = IDS_COLUMN_SIZE_ON_PLAYER;
    const std::string text = Expected(kTable[id - IDS_FIRST]);
    char buffer[260];
    const struct {
        UINT id;
        char* buffer;
        int size;
        int copied;
        std::string left;
    } cases[] = {
        {id, buffer, 260, static_cast<int>(text.size()), text},
        {id, buffer, 6, 5, text.substr(0, 5)},
        {id, buffer, 1, 0, ""},
        {9999, buffer, 16, 0, ""},
        {id, buffer, 0, 0, "untouched"},
        {id, nullptr, 16, 0, "untouched"},
    };
    for (const auto& c : cases) {
        std::strcpy(buffer, "untouched");
        EXPECT_EQ(c.copied, LoadResourceString(c.id, c.buffer, c.size)) << "case " << c.id << ", size " << c.size;
        EXPECT_EQ(c.left, std::string(buffer)) << "case " << c.id << ", size " << c.size;
    }
}

}  // namespace
