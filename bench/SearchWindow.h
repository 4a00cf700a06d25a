#pragma once

#include "app/MainWindow.h"
#include "db/Connection.h"
#include "db/Query.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <memory>

// The main window with its query on a connection of the bench's own, set to
// search without the row limit.
struct SearchWindow {
    SearchWindow()
    {
        window->query->setConnection(&connection);
        window->rowLimitBox->setChecked(false);
        window->firstSearchTimer->stop();
    }
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    Connection connection;
};
