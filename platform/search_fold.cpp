#include "platform/search_fold.h"

#include "platform/ansi.h"

#include <QString>
#include <array>

namespace {

// Every byte of the code page folds the same way wherever it stands, so the
// folding is a table of 256 entries worked out once by Qt's Unicode data.
std::array<std::string, 256> MakeFoldTable() {
    std::array<std::string, 256> table;
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        const std::string character(1, static_cast<char>(byte));
        const QString decomposed =
            QString::fromStdString(AnsiToUtf8(character)).normalized(QString::NormalizationForm_KD);
        QString bare;
        for (const QChar c : decomposed) {
            if (c.category() != QChar::Mark_NonSpacing) {
                bare += c;
            }
        }
        table[byte] = bare.toCaseFolded().toStdString();
    }
    return table;
}

} // namespace

std::string FoldedForSearch(const std::string& text) {
    static const std::array<std::string, 256> table = MakeFoldTable();
    std::string folded;
    folded.reserve(text.size());
    for (const char c : text) {
        folded += table[static_cast<unsigned char>(c)];
    }
    return folded;
}
