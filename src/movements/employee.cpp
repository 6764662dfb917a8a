#include "employee.h"

#include "app/dbconnection.h"

using namespace Qt::StringLiterals;

namespace {

const QString SqlActiveEmployee =
    u"select * from funcionario where (ativo='S') and nomefuncionario=:nome order by Codigofuncionario"_s;

} // namespace

std::optional<Employee> findActiveEmployee(DbConnection& db, const QString& name)
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    QSqlQuery q = db.query(u"tbFuncionario"_s, SqlActiveEmployee, {{u":nome"_s, wanted}});
    if (!q.next())
        return std::nullopt;
    return Employee{q.value(u"Codigofuncionario"_s).toInt(), q.value(u"nomefuncionario"_s).toString()};
}
