set(QUENDEL_MAIN_WINDOW_SOURCES
  main_window/units.cpp
)
