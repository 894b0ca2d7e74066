#include <QTest>
class TstDemoCompany : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TstDemoCompany)
#include "tst_democompany.moc"
