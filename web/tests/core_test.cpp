// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the main window: what the cases of shown_texts_web do not reach (the
// table's getters, handles, bytes put back and storage refused).
#include <gtest/gtest.h>

#include <string>

#include "models/main/controls.h"
#include "web/core/coppia_core.h"

namespace coppia {
namespace {

int Named(const char* name) {
    return coppia_control_named(name);
}

std::string Kept(int window) {
    const int size = coppia_main_kept_size(window);
    return size < 0 ? "none" : std::string(coppia_main_kept_bytes(window), size);
}

TEST(ControlTableTest, EveryControlIsFoundByItsDesktopName) {
    ASSERT_EQ(coppia_control_count(), static_cast<int>(kControlCount));
    for (const ControlEntry& entry : kControls) {
        const int control = Named(std::string(entry.name).c_str());
        EXPECT_EQ(control, static_cast<int>(entry.id)) << entry.name;
        EXPECT_EQ(coppia_control_name(control), entry.name);
        EXPECT_EQ(coppia_control_tab_index(control), entry.tabIndex) << entry.name;
    }
    EXPECT_EQ(Named("Coppia "), -1);
    EXPECT_EQ(coppia_control_kind(-1), -1);
    EXPECT_STREQ(coppia_control_name(static_cast<int>(kControlCount)), "");
    EXPECT_STREQ(coppia_control_caption(Named("Label_carico")), "   Carico Alare g/dm2");
    EXPECT_STREQ(coppia_control_accessible_name(Named("CordaAla")), "Corda media dell'ala");
    EXPECT_STREQ(coppia_control_description(Named("Vel")), "chilometri all'ora");
    EXPECT_EQ(coppia_control_kind(Named("UP")), 2);
}

TEST(MainWindowCoreTest, AWindowGoneReadsAsEmptyAndItsNumberIsNeverGivenAgain) {
    const int window = coppia_main_create();
    coppia_main_load(window);
    EXPECT_STREQ(coppia_main_text(window, Named("CordaAla")), "300");
    coppia_main_destroy(window);
    EXPECT_STREQ(coppia_main_text(window, Named("CordaAla")), "");
    EXPECT_EQ(coppia_main_click(window, Named("Calc")), 0);
    EXPECT_EQ(coppia_main_edit(window, Named("Vel"), "80"), 0);
    const int next = coppia_main_create();
    EXPECT_NE(next, window);
    coppia_main_destroy(next);
}

TEST(MainWindowCoreTest, BytesPutBackFillTheFieldsAndOnlyASuccessfulCalculationReplacesThem) {
    const std::string kept = "45.0\r\n250.0\r\n50.0\r\n10.0\r\n15.0\r\n400.0\r\n30.0\r\n70.0\r\n";
    const int window = coppia_main_create();
    coppia_main_put_back(window, kept.data(), static_cast<int>(kept.size()));
    coppia_main_load(window);
    EXPECT_STREQ(coppia_main_text(window, Named("CarAla")), "45");
    EXPECT_STREQ(coppia_main_text(window, Named("Vel")), "70");
    EXPECT_EQ(coppia_main_take_saved(window), 0);

    coppia_main_edit(window, Named("CordaAlett"), "1");  // a ratio CALCOLA refuses
    coppia_main_click(window, Named("Calc"));
    ASSERT_EQ(coppia_main_message_count(window), 1);
    EXPECT_STREQ(coppia_main_message_title(window, 0), "Rapp. Alett/Ala");
    EXPECT_EQ(coppia_main_take_saved(window), 0);
    EXPECT_EQ(Kept(window), kept);

    coppia_main_messages_taken(window);
    coppia_main_edit(window, Named("CordaAlett"), "60");
    coppia_main_click(window, Named("Calc"));
    EXPECT_EQ(coppia_main_message_count(window), 0);
    EXPECT_EQ(coppia_main_take_saved(window), 1);
    EXPECT_EQ(coppia_main_take_saved(window), 0);
    EXPECT_EQ(Kept(window).substr(0, 14), "45.0\r\n250.0\r\n6");
    coppia_main_destroy(window);
}

TEST(MainWindowCoreTest, StorageRefusedIsToldAtTheFirstSaveOnly) {
    const int window = coppia_main_create();
    coppia_main_load(window);
    coppia_main_storage_refused(window);
    coppia_main_click(window, Named("Calc"));
    ASSERT_EQ(coppia_main_message_count(window), 1);
    EXPECT_STREQ(coppia_main_message_text(window, 0),
                 "Dati Non Salvati in Mervanti.ini: il browser non conserva i dati di questa "
                 "pagina!!");
    EXPECT_STREQ(coppia_main_message_title(window, 0), "Errore Salvataggio");
    coppia_main_messages_taken(window);
    coppia_main_edit(window, Named("Vel"), "60.0");
    coppia_main_click(window, Named("Calc"));
    EXPECT_EQ(coppia_main_message_count(window), 0);
    EXPECT_STREQ(coppia_main_text(window, Named("Coppia")), "00.52");
    EXPECT_EQ(Kept(window), "none");
    coppia_main_destroy(window);
}

TEST(MainWindowCoreTest, ACommaTypedIntoANumbersFieldEntersThePoint) {
    EXPECT_STREQ(coppia_main_typed(Named("CordaAla"), "1,5"), "1.5");
    EXPECT_STREQ(coppia_main_typed(Named("Coppia"), "1,5"), "1,5");
}

}  // namespace
}  // namespace coppia
