// Generates archives of many cards for the benchmark.
#pragma once

#include <QDate>
#include <QString>

namespace memora::bench {

// Writes count cards to path: due dates spread over four years around
// today, notices of 0 to 30 days, one card in three fulfilled, texts of
// realistic length. The same count always gives the same file.
void generateArchive(const QString& path, int count, QDate today);

}  // namespace memora::bench
