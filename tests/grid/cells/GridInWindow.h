#pragma once

// A string grid of five columns and five rows (one of each fixed) with editing
// on, in a window of its own that a test shows once it has added its controls.

#include "grid/engine/ExGrid.h"
#include "platform/grid/InplaceEdit.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <memory>

class GridInWindow : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TExStringGrid* grid = nullptr;

    void MakeGrid(int windowWidth, int gridWidth)
    {
        window->resize(windowWidth, 300);
        grid = new TExStringGrid(window.get());
        grid->setGeometry(0, 0, gridWidth, 200);
        grid->SetColCount(5);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() | goEditing);
    }
    void ShowWindow()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    TInplaceEdit* Editor() const { return grid->NormalEdit(); }
    bool EditorShown() const { return Editor() && Editor()->isVisible(); }
    // A key to the open inplace editor, else to the grid.
    void KeyToEditorOrGrid(Qt::Key key, Qt::KeyboardModifiers mods)
    {
        QWidget* target = EditorShown() ? Editor()->Body() : static_cast<QWidget*>(grid);
        QTest::keyClick(target, key, mods);
    }
    // The window goes first: its closing still reaches the handlers, whose
    // data the test fixture holds.
    void TearDown() override { window.reset(); }
};
