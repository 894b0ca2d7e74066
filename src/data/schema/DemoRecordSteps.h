#pragma once

class QDate;
class QString;

namespace Demo {

class Builder;

// The other registers: documents, equipment, the scheduler, orders and their
// settlements, damages, the store, the notepad and a user of the company.
class RecordSteps {
public:
    explicit RecordSteps(Builder& builder) : m_builder(builder) {}

    void documents();
    void equipment();
    void schedule();
    void work();
    void damages();
    void store();
    void notes();
    void users();

private:
    void addDocument(int v, const QDate& date, int termDays, const char* kind, const QString& name,
                     const QString& number, const char* description = "");

    Builder& m_builder;
};

}  // namespace Demo
