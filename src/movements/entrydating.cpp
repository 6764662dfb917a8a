#include "entrydating.h"

#include "app/brformat.h"
#include "app/dbconnection.h"

using namespace Qt::StringLiterals;

namespace {

const QString SqlMaxAbre = u"select MAX(controle) AS crescente FROM abrefechacaixa"_s;
const QString SqlAbreUnico = u"select * from abrefechacaixa where controle = :crescente"_s;

} // namespace

EntryDate entryDate(const QDateTime& now, const std::optional<QDate>& sessionDate)
{
    const QDate today = now.date();
    const QString time = br::time(now.time());
    // Texts of the same HH:mm:ss form compare as times.
    if (!sessionDate || (time <= LastEntryTime && today == *sessionDate))
        return {today, time, today};
    return {*sessionDate, LateEntryTime, today};
}

std::optional<QDate> latestSessionDate(DbConnection& db)
{
    const QVariant latest = db.scalar(u"myAbreunico"_s, SqlMaxAbre);
    if (!latest.isValid() || latest.isNull())
        return std::nullopt;
    QSqlQuery q = db.query(u"tbAbre (sessão mais recente)"_s, SqlAbreUnico, {{u":crescente"_s, latest}});
    if (!q.next())
        return std::nullopt;
    const QDate d = q.value(u"DataAbertura"_s).toDate();
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}
