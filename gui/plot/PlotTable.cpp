#include "gui/plot/PlotTable.h"

namespace plot {

namespace {

const std::array<PlotDescription, kPlotKindCount> kTable{{
    {Abbe,
     "m_Group_Graph_Abbe",
     "m_Graph_Abbe",
     "m_CB_Graph_Abbe",
     "m_CB_Auto_Abbe",
     {"m_LE_minx_Abbe", "m_LE_maxx_Abbe", "m_LE_miny_Abbe", "m_LE_maxy_Abbe"},
     {"100.0", "20.0", "1.4", "2.1"},
     "ν",
     "n",
     true},
    {Schwarz,
     "m_Group_Graph_Sh",
     "m_Graph_Sh",
     "m_CB_Graph_Sw",
     "m_CB_Auto_Sh",
     {"m_LE_minx_Sh", "m_LE_maxx_Sh", "m_LE_miny_Sh", "m_LE_maxy_Sh"},
     {"20.0", "100.0", "-25000000.0", "25000000.0"},
     "ν",
     "vt, °C",
     false},
    {Volosov,
     "m_Group_Graph_Vol",
     "m_Graph_Vol",
     "m_CB_Graph_Vol",
     "m_CB_Auto_Vol",
     {"m_LE_minx_Vol", "m_LE_maxx_Vol", "m_LE_miny_Vol", "m_LE_maxy_Vol"},
     {"20.0", "100.0", "-0.002", "0.002"},
     "ν",
     "U, °Cˉ¹",
     false},
    {Tamagawa,
     "m_Group_Graph_Tam",
     "m_Graph_Tam",
     "m_CB_Graph_Tam",
     "m_CB_Auto_Tam",
     {"m_LE_minx_Tam", "m_LE_maxx_Tam", "m_LE_miny_Tam", "m_LE_maxy_Tam"},
     {"-0.01", "0.05", "-0.00003", "0.000015"},
     "ω",
     "V, °Cˉ¹",
     false},
    {ThermalMap,
     "m_Group_Graph_Zem",
     "m_Graph_Zem",
     "m_CB_Graph_Zem",
     "m_CB_Auto_Zem",
     {"m_LE_minx_Zem", "m_LE_maxx_Zem", "m_LE_miny_Zem", "m_LE_maxy_Zem"},
     {"-25000000.0", "25000000.0", "20.0", "100.0"},
     "ω",
     "V, °Cˉ¹",
     false},
    {PartialDispersion,
     "m_Group_Graph_PgF",
     "m_Graph_PgF",
     "m_CB_Graph_PgF",
     "m_CB_Auto_PgF",
     {"m_LE_minx_PgF", "m_LE_maxx_PgF", "m_LE_miny_PgF", "m_LE_maxy_PgF"},
     {"100.0", "20.0", "0.5", "0.65"},
     "ν",
     "P g,F",
     true},
}};

}  // namespace

const std::array<PlotDescription, kPlotKindCount>& plotTable() {
  return kTable;
}

}  // namespace plot
