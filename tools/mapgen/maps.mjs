// SPDX-License-Identifier: GPL-3.0-or-later
// Every map the generator writes, in the order it writes them.
import { AFRIKA } from './countries.mjs';
import { EUROPA } from './europa.mjs';
import { ASIEN } from './asien.mjs';
import { AMERIKA } from './amerika.mjs';

export const MAPS = [AFRIKA, EUROPA, ASIEN, AMERIKA];
