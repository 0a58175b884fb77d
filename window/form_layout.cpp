#include "window/form_layout.h"

namespace orbitas {

const std::array<ControlPlacement, 42> Controls = {{
    // Date and time entry, decimal hour and Julian day.
    {"Label1", -1, "Fecha", 120, 120, 2295, 285, 6, "", ""},
    {"Fecha(2)", 2, "", 120, 480, 615, 285, 0, "Día", "Día del mes"},
    {"Fecha(1)", 1, "", 960, 480, 615, 285, 1, "Mes", "Mes del año"},
    {"Fecha(0)", 0, "", 1800, 480, 615, 285, 2, "Año", "Año astronómico"},
    {"Label2", -1, "Hora", 120, 960, 2295, 285, 7, "", ""},
    {"Fecha(3)", 3, "", 120, 1320, 615, 285, 3, "Hora", "Hora del día"},
    {"Fecha(4)", 4, "", 960, 1320, 615, 285, 4, "Minuto", "Minuto de la hora"},
    {"Fecha(5)", 5, "", 1800, 1320, 615, 285, 5, "Segundo", "Segundo del minuto"},
    {"horadec", -1, "", 120, 1920, 2295, 285, 8, "", "Hora decimal"},
    {"diajuliano", -1, "", 120, 2400, 2295, 285, 9, "", "Día juliano"},
    // The Earth's heliocentric coordinates.
    {"Label3", -1, "Coordenadas heliocéntricas de la Tierra", 2760, 120, 2775, 495, 10, "", ""},
    {"Label6", -1, "X", 2760, 720, 375, 285, 13, "", ""},
    {"xhelt", -1, "", 3360, 720, 2175, 285, 16, "", "Tierra, coordenada X"},
    {"Label5", -1, "Y", 2760, 1080, 375, 285, 12, "", ""},
    {"yhelt", -1, "", 3360, 1080, 2175, 285, 15, "", "Tierra, coordenada Y"},
    {"Label4", -1, "Z", 2760, 1440, 375, 285, 11, "", ""},
    {"zhelt", -1, "", 3360, 1440, 2175, 285, 14, "", "Tierra, coordenada Z"},
    {"label8", -1, "R", 2760, 1800, 375, 285, 18, "", ""},
    {"rhelt", -1, "", 3360, 1800, 2175, 285, 17, "", "Tierra, radio vector"},
    // The planet's heliocentric coordinates.
    {"planetahel", -1, "", 5640, 120, 2775, 495, 27, "", "Planeta, encabezado heliocéntrico"},
    {"Label13", -1, "X", 5640, 720, 375, 285, 24, "", ""},
    {"xhelp", -1, "", 6240, 720, 2175, 285, 21, "", "Planeta, coordenada X"},
    {"Label14", -1, "Y", 5640, 1080, 375, 285, 25, "", ""},
    {"yhelp", -1, "", 6240, 1080, 2175, 285, 22, "", "Planeta, coordenada Y"},
    {"Label15", -1, "Z", 5640, 1440, 375, 285, 26, "", ""},
    {"zhelp", -1, "", 6240, 1440, 2175, 285, 23, "", "Planeta, coordenada Z"},
    {"Label7", -1, "R", 5640, 1800, 375, 285, 19, "", ""},
    {"rhelp", -1, "", 6240, 1800, 2175, 285, 20, "", "Planeta, radio vector"},
    // The planet's geocentric equatorial coordinates.
    {"planetaec", -1, "", 8520, 120, 2775, 495, 28, "", "Planeta, encabezado ecuatorial"},
    {"Label11", -1, "α", 8520, 720, 375, 285, 30, "", ""},
    {"ascrec", -1, "", 9120, 720, 2175, 285, 32, "", "Ascensión recta, horas decimales"},
    {"arh", -1, "", 9120, 1080, 495, 285, 33, "", "Ascensión recta, horas"},
    {"arm", -1, "", 9720, 1080, 495, 285, 35, "", "Ascensión recta, minutos"},
    {"ars", -1, "", 10320, 1080, 975, 285, 34, "", "Ascensión recta, segundos"},
    {"Label10", -1, "δ", 8520, 1440, 375, 285, 29, "", ""},
    {"declin", -1, "", 9120, 1440, 2175, 285, 31, "", "Declinación, grados decimales"},
    {"signo", -1, "", 8760, 1800, 255, 285, 39, "", "Declinación, signo"},
    {"dg", -1, "", 9120, 1800, 495, 285, 36, "", "Declinación, grados"},
    {"dam", -1, "", 9720, 1800, 495, 285, 38, "", "Declinación, minutos de arco"},
    {"das", -1, "", 10320, 1800, 975, 285, 37, "", "Declinación, segundos de arco"},
    {"Label12", -1, "RVec", 8400, 2160, 615, 285, 41, "", ""},
    {"rv", -1, "", 9120, 2160, 2175, 285, 40, "", "Distancia a la Tierra"},
}};

const std::array<MenuItemPlacement, 8> PlanetMenuItems = {{
    {"plan(1)", "Mercurio", Qt::Key_M, 1},
    {"plan(2)", "Venus", Qt::Key_V, 2},
    {"plan(4)", "Marte", Qt::Key_A, 4},
    {"plan(5)", "Júpiter", Qt::Key_J, 5},
    {"plan(6)", "Saturno", Qt::Key_S, 6},
    {"plan(7)", "Urano", Qt::Key_U, 7},
    {"plan(8)", "Neptuno", Qt::Key_N, 8},
    {"plan(9)", "Plutón", Qt::Key_P, 9},
}};

}  // namespace orbitas
