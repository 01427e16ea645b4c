// RunHeaderForm itself, with values the plug-in's own preparation never
// gives: how each combo box takes its value (the first item that begins with
// it, any letter case, else the text itself) and that every value comes back
// whole. The dialog template is linked into this program.
#include <gtest/gtest.h>

#include "cabrillo/header_form_dialog.h"
#include "resource.h"
#include "wine/window_driver.h"

TEST(HeaderFormDialog, CombosSelectTheFirstItemBeginningWithTheValue) {
    CabrilloFormValues values;
    values.categoryOperator = "multi";          // -> MULTI-OP
    values.categoryAssisted = "assisted";       // -> ASSISTED, not NON-ASSISTED
    values.categoryBand = "4";                  // -> 40M
    values.categoryMode = "PSK";                // no item: shown as typed
    values.categoryPower = "";                  // empty: nothing selected, field empty
    values.categoryTransmitter = "UNLIMITED X"; // longer than the item: no match
    values.location = "n";                      // -> NE, the first item beginning with N
    values.categoryOverlay = "soab-l";          // sorted list -> SOAB-LP-12h
    values.soapbox = std::string(500, 's') + "\r\n" + std::string(300, 't');
    values.address = std::string(250, 'a');
    values.name = "Hans";

    struct Seen {
        int index;
        std::string text;
    };
    std::vector<Seen> seen;
    const int combos[] = {IDC_CAB_CATEGORY_OPERATOR, IDC_CAB_CATEGORY_ASSISTED, IDC_CAB_CATEGORY_BAND,
                          IDC_CAB_CATEGORY_MODE,     IDC_CAB_CATEGORY_POWER,    IDC_CAB_CATEGORY_TRANSMITTER,
                          IDC_CAB_ARRL_SECTION,      IDC_CAB_CATEGORY_OVERLAY};
    bool confirmed = false;
    {
        OperatorThread op([&] {
            HWND form = WaitForDialog("ZOVA-RTTY");
            ASSERT_NE(form, nullptr) << "the header form did not open";
            for (int id : combos)
                seen.push_back({int(SendMessageA(GetDlgItem(form, id), CB_GETCURSEL, 0, 0)),
                                ItemText(form, id)});
            SetItemText(form, IDC_CAB_NAME, "Hans Muster");
            PressButton(form, IDOK);
            EXPECT_TRUE(WaitUntilGone(form));
        });
        confirmed = RunHeaderForm(values);
    }
    ASSERT_TRUE(confirmed);
    ASSERT_EQ(seen.size(), 8u);
    EXPECT_EQ(seen[0].index, 1);
    EXPECT_EQ(seen[0].text, "MULTI-OP");
    EXPECT_EQ(seen[1].index, 0);
    EXPECT_EQ(seen[1].text, "ASSISTED");
    EXPECT_EQ(seen[2].text, "40M");
    EXPECT_EQ(seen[3].index, CB_ERR);
    EXPECT_EQ(seen[3].text, "PSK");
    EXPECT_EQ(seen[4].index, CB_ERR);
    EXPECT_EQ(seen[4].text, "");
    EXPECT_EQ(seen[5].index, CB_ERR);
    EXPECT_EQ(seen[5].text, "UNLIMITED X");
    EXPECT_EQ(seen[6].text, "NE");
    EXPECT_EQ(seen[7].text, "SOAB-LP-12h");

    // Read back on OK: combo texts as shown, edits whole.
    EXPECT_EQ(values.categoryOperator, "MULTI-OP");
    EXPECT_EQ(values.categoryMode, "PSK");
    EXPECT_EQ(values.name, "Hans Muster");
    EXPECT_EQ(values.soapbox, std::string(500, 's') + "\r\n" + std::string(300, 't'));
    EXPECT_EQ(values.address, std::string(250, 'a'));
}

TEST(HeaderFormDialog, CancelLeavesTheValuesAsTheyWere) {
    CabrilloFormValues values;
    values.name = "Hans";
    values.categoryOperator = "multi";
    bool confirmed = true;
    {
        OperatorThread op([] {
            HWND form = WaitForDialog("ZOVA-RTTY");
            ASSERT_NE(form, nullptr) << "the header form did not open";
            SetItemText(form, IDC_CAB_NAME, "Somebody");
            PressButton(form, IDCANCEL);
            EXPECT_TRUE(WaitUntilGone(form));
        });
        confirmed = RunHeaderForm(values);
    }
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(values.name, "Hans");
    EXPECT_EQ(values.categoryOperator, "multi");
}
