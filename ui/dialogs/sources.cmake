set(QUENDEL_DIALOG_SOURCES
  dialogs/notifier.cpp
  dialogs/pchange.cpp
  dialogs/about_varnel.cpp
)
