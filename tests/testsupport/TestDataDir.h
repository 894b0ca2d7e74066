#pragma once

#include <QTemporaryDir>

// Points FLOTANOR_DATA_DIR at a temporary directory for the life of the object, so that
// the error log and the other data files of a test never touch the real ones.
class TestDataDir {
public:
    TestDataDir();
    ~TestDataDir();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
