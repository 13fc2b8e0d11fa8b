# Precompiled headers: the standard and third-party headers that most sources
# of a kind read. Never a header of the project: a change to one would rebuild
# every source behind the precompiled header. One precompiled header per kind
# of target, reused by the targets of that kind (same compiler flags).

set(BELVANE_PCH_STD
  <algorithm> <array> <cstdint> <filesystem> <functional> <map> <memory> <optional> <span> <string>
  <string_view> <vector> <fmt/format.h>)

# belvane_precompile(target KIND): KIND core, cli, gui or test. The first
# target of a kind makes the precompiled header; the others reuse it.
function(belvane_precompile target kind)
  get_property(maker GLOBAL PROPERTY BELVANE_PCH_${kind})
  if(maker)
    target_precompile_headers(${target} REUSE_FROM ${maker})
    return()
  endif()
  set_property(GLOBAL PROPERTY BELVANE_PCH_${kind} ${target})
  if(kind STREQUAL "core")
    target_precompile_headers(${target} PRIVATE ${BELVANE_PCH_STD})
  elseif(kind STREQUAL "cli")
    target_precompile_headers(${target} PRIVATE ${BELVANE_PCH_STD} <iostream> <CLI/CLI.hpp>)
  elseif(kind STREQUAL "gui")
    target_precompile_headers(${target} PRIVATE ${BELVANE_PCH_STD}
      <QAbstractTableModel> <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox>
      <QFormLayout> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QMessageBox> <QPushButton> <QSpinBox>
      <QString> <QTableView> <QTimer> <QVBoxLayout> <QWidget>)
  elseif(kind STREQUAL "test")
    target_precompile_headers(${target} PRIVATE ${BELVANE_PCH_STD} <random> <set> <stdexcept> <gtest/gtest.h>
      <gmock/gmock.h>)
  elseif(kind STREQUAL "guitest")
    target_precompile_headers(${target} PRIVATE ${BELVANE_PCH_STD}
      <QAction> <QCheckBox> <QComboBox> <QDialog> <QHeaderView> <QLabel> <QLineEdit> <QSpinBox> <QTableView>
      <QWidget> <QtTest/QtTest>)
  else()
    message(FATAL_ERROR "belvane_precompile: unknown kind ${kind}")
  endif()
endfunction()
