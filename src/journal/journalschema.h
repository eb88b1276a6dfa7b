#pragma once
// The journal's schema as an ordered list of steps: step N brings a database of version
// N - 1 to version N (PRAGMA user_version). A new version appends a step; no step ever
// changes once released.

#include <QSqlError>
#include <vector>

class QSqlDatabase;

struct SchemaStep {
  int version;
  std::vector<const char*> statements;
  // Runs after the statements, in the same transaction, for what SQL alone cannot work
  // out; returns an invalid error when it succeeds.
  QSqlError (*fill)(QSqlDatabase& db) = nullptr;
};

const std::vector<SchemaStep>& schemaSteps();
