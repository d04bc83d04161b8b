// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace coppia {

// The 26 controls of the window, front to back: where two overlap, the earlier lies in front.
enum class Control {
    Down,
    UP,
    Corsa,
    Cp_Out,
    Coppia,
    Calc,
    LungAlett,
    CordaAlett,
    BrAlett,
    Ang,
    CarAla,
    CordaAla,
    BrServ,
    Vel,
    Label_Cp,
    Label_Servo,
    Label_CM,
    Label5,
    Label4,
    Label3,
    Label2,
    Label1,
    Label_Gr,
    Label_V,
    Label_carico,
    Image1,
};
inline constexpr std::size_t kControlCount = 26;

enum class ControlKind { TextBox, CommandButton, PictureBox, Label, Image };

// How a control is coloured; the view turns each into real colours.
enum class ControlLook {
    LabelOnDrawing,  // white caption on the drawing's black
    TorqueResult,    // red on white
    LiftResult,      // red on the window background
    Input,           // the desktop's own text-box colours
    Button,
    Toggle,
    Drawing,
};

// Outer rectangle in client-area pixels, border included.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kNoTabIndex = -1;
inline constexpr double kNoFont = 0;

struct ControlEntry {
    Control id;
    std::string_view name;
    ControlKind kind;
    std::string_view initialText;
    int tabIndex;
    Geometry geometry;
    double fontPoints;
    ControlLook look;
    // For screen readers, and as the tooltip of each text box: what the control is, and its unit.
    std::string_view accessibleName;
    std::string_view accessibleDescription;
};

// One row per control, in the front-to-back order of Control. Both the model (initial texts)
// and the view (everything else) read it.
inline constexpr std::array<ControlEntry, kControlCount> kControls = {{
    // clang-format off
    {Control::Down, "Down", ControlKind::PictureBox, "", 24, {552, 131, 26, 40}, kNoFont, ControlLook::Toggle, "Inserisci la corsa", "ora si inserisce l'angolo; premi per inserire la corsa"},
    {Control::UP, "UP", ControlKind::PictureBox, "", 23, {552, 131, 26, 40}, kNoFont, ControlLook::Toggle, "Inserisci l'angolo", "ora si inserisce la corsa; premi per inserire l'angolo"},
    {Control::Corsa, "Corsa", ControlKind::TextBox, "20", 22, {544, 107, 40, 24}, 9.75, ControlLook::Input, "Corsa del bordo d'uscita dell'alettone", "millimetri"},
    {Control::Cp_Out, "Cp_Out", ControlKind::TextBox, "0", 20, {432, 16, 40, 20}, 8.25, ControlLook::LiftResult, "Cp di funzionamento", "coefficiente di portanza dell'ala, senza unità"},
    {Control::Coppia, "Coppia", ControlKind::TextBox, "0", 17, {128, 69, 65, 32}, 13.5, ControlLook::TorqueResult, "Coppia servo", "chilogrammi-centimetro (Kg*cm)"},
    {Control::Calc, "Calc", ControlKind::CommandButton, "CALCOLA", 16, {16, 69, 97, 33}, 9.75, ControlLook::Button, "Calcola", "calcola la coppia del servo e il Cp di funzionamento"},
    {Control::LungAlett, "LungAlett", ControlKind::TextBox, "500", 10, {392, 256, 47, 22}, 9.75, ControlLook::Input, "Lunghezza dell'alettone", "millimetri"},
    {Control::CordaAlett, "CordaAlett", ControlKind::TextBox, "60", 9, {376, 144, 47, 22}, 9.75, ControlLook::Input, "Corda media dell'alettone", "millimetri"},
    {Control::BrAlett, "BrAlett", ControlKind::TextBox, "18", 8, {352, 224, 40, 23}, 9.75, ControlLook::Input, "Braccio della squadretta dell'alettone", "millimetri"},
    {Control::Ang, "Ang", ControlKind::TextBox, "20.0", 6, {536, 172, 40, 24}, 9.75, ControlLook::Input, "Angolo di deflessione dell'alettone", "gradi"},
    {Control::CarAla, "CarAla", ControlKind::TextBox, "50", 3, {336, 16, 47, 22}, 9.75, ControlLook::Input, "Carico alare", "grammi per decimetro quadrato; 0 per superfici non portanti"},
    {Control::CordaAla, "CordaAla", ControlKind::TextBox, "300", 2, {336, 76, 47, 24}, 9.75, ControlLook::Input, "Corda media dell'ala", "millimetri"},
    {Control::BrServ, "BrServ", ControlKind::TextBox, "12", 1, {139, 145, 40, 24}, 9.75, ControlLook::Input, "Braccio del servo", "millimetri"},
    {Control::Vel, "Vel", ControlKind::TextBox, "60", 0, {75, 199, 47, 22}, 9.75, ControlLook::Input, "Velocità del modello", "chilometri all'ora"},
    {Control::Label_Cp, "Label_Cp", ControlKind::Label, "Cp di Funzionamento", 21, {480, 19, 153, 23}, 8.25, ControlLook::LabelOnDrawing, "Cp di Funzionamento", ""},
    {Control::Label_Servo, "Label_Servo", ControlKind::Label, "Coppia Servo", 19, {128, 48, 137, 17}, 9.75, ControlLook::LabelOnDrawing, "Coppia Servo", ""},
    {Control::Label_CM, "Label_CM", ControlKind::Label, "Kg*cm", 18, {200, 73, 57, 32}, 12, ControlLook::LabelOnDrawing, "Kg*cm", ""},
    {Control::Label5, "Label5", ControlKind::Label, "- V è la velocità del modello", 15, {456, 328, 161, 17}, 8.25, ControlLook::LabelOnDrawing, "- V è la velocità del modello", ""},
    {Control::Label4, "Label4", ControlKind::Label, "0 per Superfici non Portanti", 14, {464, 312, 161, 17}, 8.25, ControlLook::LabelOnDrawing, "0 per Superfici non Portanti", ""},
    {Control::Label3, "Label3", ControlKind::Label, "- Il carico alare va messo a", 13, {456, 296, 161, 17}, 8.25, ControlLook::LabelOnDrawing, "- Il carico alare va messo a", ""},
    {Control::Label2, "Label2", ControlKind::Label, "- Le corde sono medie", 12, {456, 280, 161, 17}, 8.25, ControlLook::LabelOnDrawing, "- Le corde sono medie", ""},
    {Control::Label1, "Label1", ControlKind::Label, "- Tutte le misure sono in mm", 11, {456, 264, 161, 17}, 8.25, ControlLook::LabelOnDrawing, "- Tutte le misure sono in mm", ""},
    {Control::Label_Gr, "Label_Gr", ControlKind::Label, "Gradi", 7, {544, 200, 49, 13}, 8.25, ControlLook::LabelOnDrawing, "Gradi", ""},
    {Control::Label_V, "Label_V", ControlKind::Label, "V  Km/h", 5, {64, 176, 65, 17}, 9.75, ControlLook::LabelOnDrawing, "V  Km/h", ""},
    {Control::Label_carico, "Label_carico", ControlKind::Label, "   Carico Alare g/dm2", 4, {183, 17, 153, 22}, 9.75, ControlLook::LabelOnDrawing, "Carico Alare g/dm2", ""},
    {Control::Image1, "Image1", ControlKind::Image, "", kNoTabIndex, {0, 0, 640, 374}, kNoFont, ControlLook::Drawing, "Disegno dell'ala con l'alettone, i rinvii e le quote", ""},
    // clang-format on
}};

inline constexpr int kClientWidth = 639;
inline constexpr int kClientHeight = 374;
inline constexpr std::string_view kWindowTitle =
    "Coppia Necessaria per Movimento Superfici di Controllo";

constexpr const ControlEntry& EntryOf(Control control) {
    return kControls[static_cast<std::size_t>(control)];
}

// The control of a name in the table; Image1 for a name that is not there.
constexpr Control ControlNamed(std::string_view name) {
    for (const ControlEntry& entry : kControls) {
        if (entry.name == name)
            return entry.id;
    }
    return Control::Image1;
}

constexpr bool IsTextBox(Control control) {
    return EntryOf(control).kind == ControlKind::TextBox;
}

// The nine boxes the user types the inputs into: every text box but the two results.
constexpr bool IsInputField(Control control) {
    return IsTextBox(control) && control != Control::Coppia && control != Control::Cp_Out;
}

}  // namespace coppia
