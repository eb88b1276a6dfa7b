#pragma once
// The journal's schema as an ordered list of steps: step N brings a database of version
// N - 1 to version N (PRAGMA user_version). A new version appends a step; no step ever
// changes once released.

#include <vector>

struct SchemaStep {
  int version;
  std::vector<const char*> statements;
};

const std::vector<SchemaStep>& schemaSteps();
