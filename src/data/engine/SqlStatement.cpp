#include "data/engine/SqlStatement.h"

SqlStatement& SqlStatement::bind(const QString& name, const QVariant& value) {
    for (auto& binding : bindings) {
        if (binding.first == name) {
            binding.second = value;
            return *this;
        }
    }
    bindings.append({name, value});
    return *this;
}

SqlStatement& SqlStatement::bindText(const QString& name, const QString& value) {
    return bind(name, value.isNull() ? QStringLiteral("") : value);
}

QVariant SqlStatement::boundValue(const QString& name) const {
    for (const auto& binding : bindings) {
        if (binding.first == name)
            return binding.second;
    }
    return {};
}
