#include "wizard/EditState.h"

#include "core/data/clsData.h"

EditState::EditState(const QString &databasePath) : m_data(std::make_unique<clsData>(databasePath)) {}

EditState::~EditState() = default;
