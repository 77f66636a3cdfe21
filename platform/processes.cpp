#include "platform/processes.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) {
        return false;
    }
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromLocal8Bit(argument.c_str());
    }
    QProcess process;
    process.setProgram(QString::fromLocal8Bit(program.c_str()));
    process.setArguments(list);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

std::string FindProgram(const std::string& name) {
    return QStandardPaths::findExecutable(QString::fromLocal8Bit(name.c_str()))
        .toLocal8Bit()
        .toStdString();
}
