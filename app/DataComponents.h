#pragma once

// Registers the data components with the layout loader: Connection (the
// catalogue connection), Query (a result set; its Connection may name a
// component of another form, "dataModule.connection") and DataSource
// (its DataSet names a result set).
void registerDataComponents();
