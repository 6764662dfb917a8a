#pragma once

#include <QDate>
#include <QString>

#include <optional>

class TDM;

struct AnnualMovementResult {
    int rows = 0;     // cash rows of the period that were summed
    double total = 0; // the period's total: entries and exits alike are added
};

// The year's cash movement month by month: the cash book of a period summed by kind of
// payment into the work tables resumo (one row per cash row), resumoanual (one row per kind
// and month) and resumoanualcaixa (one row per kind code, twelve monthly totals), which the
// annual table and chart read.
class AnnualMovement {
public:
    explicit AnnualMovement(TDM& dm);

    // The message for the user when the period cannot be summed, nothing when it can.
    static std::optional<QString> validate(const QDate& dataI, const QDate& dataF);

    // Replaces the three work tables with the period's sums, in one transaction. A period
    // without cash rows leaves them empty.
    AnnualMovementResult compute(const QDate& dataI, const QDate& dataF);

    static const QString SqlEmptyResumo;
    static const QString SqlEmptyResumoAnual;
    static const QString SqlEmptyResumoAnualCaixa;
    static const QString SqlResumo;
    static const QString SqlTotal;
    static const QString SqlResumoAnual;
    static const QString SqlResumoAnualCaixa;

private:
    TDM& m_dm;
};
