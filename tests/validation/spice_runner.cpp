#include "spice_runner.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace validation {

namespace {

// An ASCII raw file: a header with "No. Variables:", the names after "Variables:", then after
// "Values:" each row as its index followed by one number per variable.
SpiceResult ReadRaw(QFile& file) {
    SpiceResult result;
    QTextStream in(&file);
    std::vector<std::string> names;
    int count = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith("No. Variables:")) count = line.mid(14).trimmed().toInt();
        if (line.startsWith("Variables:")) {
            for (int i = 0; i < count; ++i) {
                const QStringList fields = in.readLine().split('\t', Qt::SkipEmptyParts);
                names.push_back(fields.value(1).toStdString());
            }
        }
        if (line.startsWith("Values:")) break;
    }
    if (names.empty()) {
        result.failure = "no variables in the raw file";
        return result;
    }
    QString word;
    for (;;) {
        in >> word;  // the row index
        if (word.isEmpty()) break;
        for (const std::string& name : names) {
            in >> word;
            bool ok = false;
            const double value = word.toDouble(&ok);
            if (!ok) {
                result.failure =
                    "unreadable value " + word + " for " + QString::fromStdString(name);
                return result;
            }
            result.vectors[name].push_back(value);
        }
        word.clear();
    }
    return result;
}

}  // namespace

SpiceResult RunNgspice(const QByteArray& netlist) {
    QTemporaryDir dir;
    const QString cir = dir.filePath("circuit.cir"), raw = dir.filePath("circuit.raw");
    QFile deck(cir);
    if (!deck.open(QIODevice::WriteOnly) || deck.write(netlist) != netlist.size()) {
        return {"cannot write " + cir, {}};
    }
    deck.close();

    QProcess ngspice;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SPICE_ASCIIRAWFILE", "1");
    ngspice.setProcessEnvironment(env);
    ngspice.start("ngspice", {"-b", "-r", raw, cir});
    if (!ngspice.waitForFinished(120000) || ngspice.exitCode() != 0) {
        return {"ngspice failed: " + QString::fromLocal8Bit(ngspice.readAllStandardError()) +
                    QString::fromLocal8Bit(ngspice.readAllStandardOutput()).right(2000),
                {}};
    }
    QFile file(raw);
    if (!file.open(QIODevice::ReadOnly)) return {"ngspice wrote no raw file", {}};
    return ReadRaw(file);
}

}  // namespace validation
