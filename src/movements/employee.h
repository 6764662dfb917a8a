#pragma once

#include <QString>

#include <optional>

class DbConnection;

// A row of funcionario.
struct Employee {
    int codigo = 0;
    QString nome;
};

// The active employee whose name is `name` (blanks around it ignored); the lowest code when
// two share the name.
std::optional<Employee> findActiveEmployee(DbConnection& db, const QString& name);
