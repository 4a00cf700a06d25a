-- The catalogue: one row per catalogue entry and CAS number, plus the listed
-- chemicals outside the hazardous-chemicals catalogue (index_id null).
-- Written in SQL that both SQLite and MariaDB take as it stands.
CREATE TABLE hazardous_chemicals (
  id INTEGER NOT NULL PRIMARY KEY,
  index_id INTEGER NULL,
  name1 VARCHAR(500) NOT NULL,
  name2 VARCHAR(2000) NOT NULL DEFAULT '',
  name_eng VARCHAR(500) NOT NULL DEFAULT '',
  cas VARCHAR(32) NOT NULL DEFAULT '',
  dangtypes TEXT NOT NULL,
  Iadmin_no INTEGER NOT NULL DEFAULT 0,
  specialadmin VARCHAR(200) NOT NULL DEFAULT '',
  remarks VARCHAR(200) NOT NULL DEFAULT '',
  drugchem INTEGER NOT NULL DEFAULT 0,
  exploidchem INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX hazardous_chemicals_cas ON hazardous_chemicals (cas);
CREATE INDEX hazardous_chemicals_index_id ON hazardous_chemicals (index_id);

-- MSDS pages by CAS number: html_file is the page's file-name stem.
CREATE TABLE hazardous_chemicals_msds (
  cas VARCHAR(32) NOT NULL PRIMARY KEY,
  html_file VARCHAR(255) NOT NULL
);

-- 特别管控危险化学品目录（第一版）: the entries it names, by catalogue number,
-- with the list's group and what it says an item covers beyond or short of
-- the entry.
CREATE TABLE special_controlled_chemicals (
  seq INTEGER NOT NULL PRIMARY KEY,
  index_id INTEGER NOT NULL,
  grp VARCHAR(100) NOT NULL,
  name VARCHAR(200) NOT NULL,
  cas VARCHAR(32) NOT NULL,
  scope VARCHAR(200) NOT NULL DEFAULT ''
);

-- GB 18218-2018《危险化学品重大危险源辨识》: 表1, the named chemicals with their
-- threshold quantities in tonnes, a row per item and catalogue entry (index_id
-- null where the item is no entry); 表2, the thresholds by hazard category.
CREATE TABLE major_hazard_named (
  seq INTEGER NOT NULL,
  index_id INTEGER NULL,
  name VARCHAR(200) NOT NULL,
  cas VARCHAR(200) NOT NULL DEFAULT '',
  threshold_t DECIMAL(10,2) NOT NULL
);
CREATE TABLE major_hazard_categories (
  code VARCHAR(8) NOT NULL PRIMARY KEY,
  wording VARCHAR(300) NOT NULL,
  threshold_t DECIMAL(10,2) NOT NULL
);
