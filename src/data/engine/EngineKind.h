#pragma once

// The two database engines a location may name.
enum class EngineKind { Sqlite, Postgres };
