#pragma once

// Registers the data components with the layout loader: Connection (the
// catalogue connection), Query (a result set; its Connection may name a
// component of another form, "DataModule1.ADOConnection1") and DataSource
// (its DataSet names a result set).
void RegisterDataComponents();
