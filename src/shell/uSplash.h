#pragma once

#include <QSplashScreen>

// The window shown while the program starts: borderless, on top, centred.
class TfSplash : public QSplashScreen {
    Q_OBJECT

public:
    TfSplash();
};
