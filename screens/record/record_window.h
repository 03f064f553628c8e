// SPDX-License-Identifier: MIT
#pragma once
// きろく: the record of the player in force, drawn for a child — each game's score and each day's share of
// words right at the first go, the kana chart shaded by how often each kana was missed, the ten words
// missed most, and the totals in big numbers. Its menus write the record out for a teacher and clear it.
#include "services/record/summary.h"
#include "toolkit/screen.h"
#include <string>

class Navigator;

struct RecordWindowControls {
    toolkit::Canvas* board = nullptr;
    toolkit::MenuItem* exportItem = nullptr;
    toolkit::MenuItem* clearItem = nullptr;
    toolkit::MenuItem* closeItem = nullptr;
};

class RecordWindow : public toolkit::Screen {
public:
    explicit RecordWindow(Navigator& navigator);
    const RecordWindowControls& controls() const { return c; }
    const record::Summary& summary() const { return summary_; }

    // The record or its player changed: the summary is made again and drawn, if the window is there.
    void recordChanged();
    // 書き出す: the whole record as a table, handed to the player to keep.
    void onExportMenu();
    // きろくを消す: asks first, then forgets everything recorded for the player in force.
    void onClearMenu();
    // The words a screen reader says for the board.
    std::string spokenSummary() const;

protected:
    std::unique_ptr<toolkit::Window> build() override;
    void onLoad() override { recordChanged(); }
    void forgetControls() override { c = RecordWindowControls{}; }

private:
    void draw(toolkit::Painter& painter) const;
    Navigator& navigator_;
    RecordWindowControls c;
    record::Summary summary_;
};
