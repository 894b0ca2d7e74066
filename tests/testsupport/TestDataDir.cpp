#include "TestDataDir.h"

TestDataDir::TestDataDir() : m_previous(qgetenv("FLOTANOR_DATA_DIR")) {
    qputenv("FLOTANOR_DATA_DIR", m_dir.path().toUtf8());
}

TestDataDir::~TestDataDir() {
    if (m_previous.isEmpty())
        qunsetenv("FLOTANOR_DATA_DIR");
    else
        qputenv("FLOTANOR_DATA_DIR", m_previous);
}
