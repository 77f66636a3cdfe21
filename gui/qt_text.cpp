#include "gui/qt_text.h"

#include "app/engine_encoding.h"

#include <QFile>
#include <QStringList>

QString ToQt(const std::string& text) {
    return QString::fromStdString(EngineTextToUtf8(text));
}

std::string FromQt(const QString& text) {
    return EngineTextFromUtf8(text.toStdString());
}

QString PathToQt(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromQt(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString QtFilter(const char* filter) {
    const QStringList parts = QString::fromLatin1(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype bracket = description.indexOf(" (");
        if (bracket >= 0) {
            description.truncate(bracket);
        }
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << description + " (" + patterns + ")";
    }
    return filters.join(";;");
}
