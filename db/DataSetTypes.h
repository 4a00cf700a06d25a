#pragma once

enum class FieldType { Unknown, String, WideString, Smallint, Integer, Largeint, Float, Boolean, DateTime };
enum class TextAlignment { Left, Right, Center };
