#pragma once

class TDm;

// Sample rows in every module's table, so that each window has something to
// show: contacts, appointments (one with its alarm due now), cash movements,
// notes, files to back up and past backups.
void OrnekVeriYaz(TDm& dm);
