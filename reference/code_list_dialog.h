// The full-screen code lists over template 107: international dialing codes
// and city area codes, each with the letter strip under the list, and the
// currency picker.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/gradient.h"
#include "app/tool_dialog.h"
#include "reference/code_list.h"
#include "reference/list_view_rows.h"

namespace tv {

class CodeListDialog : public ToolDialog {
public:
    // Selects and focuses a row and scrolls it into view.
    static void SelectRow(HWND list, int row);

protected:
    // dataFile: the full path of the file to list; rowReader: how its lines
    // become rows; letterStrip: the letter strip under the list.
    CodeListDialog(std::wstring dataFile, Rgb stripe, const RowReader& rowReader, bool letterStrip = true);

    bool OnInitDialog() override;
    // The columns made again at the new scale.
    void OnRescale() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    // Adds the columns; then the rows come from the file.
    virtual void AddColumns(HWND list) = 0;
    // What the list shows once filled.
    virtual void AfterFilling(HWND list) { (void)list; }

    HWND List() const;
    // The rows the list shows, read when the dialog opened.
    const ListRows& Rows() const { return rows_; }
    // The first row whose first column is `text`, letter case aside as the
    // list view compares; -1 for none.
    int FindRow(const std::wstring& text) const;

private:
    void Fill(HWND list);
    void LayOut(int width, int height);
    // The answer to a notification of the list, or false to leave it.
    bool OnListNotify(NMHDR& header, LRESULT& answer);

    std::wstring dataFile_;
    RowStripes stripes_;
    RowReader rowReader_;
    bool letterStrip_;
    HWND strip_ = nullptr;
    ListRows rows_;
};

class DialingCodesDialog final : public CodeListDialog {
public:
    explicit DialingCodesDialog(std::wstring dataFile);

protected:
    void AddColumns(HWND list) override;
    void AfterFilling(HWND list) override;
    std::vector<ReaderName> ReaderNames() const override;
};

class CityAreaCodesDialog final : public CodeListDialog {
public:
    explicit CityAreaCodesDialog(std::wstring dataFile);

protected:
    void AddColumns(HWND list) override;
    std::vector<ReaderName> ReaderNames() const override;
};

}  // namespace tv
