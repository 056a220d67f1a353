-- Neovim's own language client against quarvel-lsp: edits of a buffer that is never saved
-- give diagnostics at the edited line, fixing the line takes them away, and the quick fixes
-- switch a rule off, in the file and in quarvel.toml. Exits Neovim with 0 when all holds, 1 with the reason otherwise.

local server = os.getenv('QUARVEL_LSP')
local work = os.getenv('QUARVEL_WORK')

local function wait_for(what, condition)
  if not vim.wait(20000, condition, 20) then
    error('no ' .. what .. ' within 20 s; diagnostics: ' .. vim.inspect(vim.diagnostic.get(0)))
  end
end

local function diagnostics_of(code)
  local found = {}
  for _, diagnostic in ipairs(vim.diagnostic.get(0)) do
    if diagnostic.code == code then
      table.insert(found, diagnostic)
    end
  end
  return found
end

local function test()
  vim.cmd('edit ' .. work .. '/src/Clean.java')
  vim.bo.filetype = 'java'
  local client = vim.lsp.start_client({ name = 'quarvel', cmd = { server, '--debounce=50' },
                                        root_dir = work })
  assert(client, 'the client did not start')
  assert(vim.lsp.buf_attach_client(0, client), 'the buffer was not attached')
  wait_for('initialized server', function()
    local running = vim.lsp.get_client_by_id(client)
    return running and running.initialized
  end)
  -- The clean file gives no diagnostics once the server has seen it.
  vim.wait(500)
  assert(#vim.diagnostic.get(0) == 0, 'the clean file: ' .. vim.inspect(vim.diagnostic.get(0)))

  -- Line 10 (index 9) becomes indented with a tab: rule 1020 there, while the file on disk
  -- stays clean. Multi-byte text before it must not shift anything.
  vim.api.nvim_buf_set_lines(0, 8, 9, true, { '    private int count; // \u{e9}\u{1F600}' })
  vim.api.nvim_buf_set_lines(0, 9, 9, true, { '\tprivate int tabbed;' })
  wait_for('rule 1020 at the tabbed line', function()
    local tabs = diagnostics_of(1020)
    return #tabs == 1 and tabs[1].lnum == 9
  end)
  local tab = diagnostics_of(1020)[1]
  assert(tab.col == 1 and tab.end_col == 20 and tab.source == 'quarvel', vim.inspect(tab))
  assert(tab.message == 'Tab found. Prefer space when indenting source code.', tab.message)

  -- Fixed in the buffer: the diagnostic goes.
  vim.api.nvim_buf_set_text(0, 9, 0, 9, 1, { '    ' })
  wait_for('rule 1020 to go', function() return #diagnostics_of(1020) == 0 end)

  -- An empty catch block, then the quick fix that switches its rule off in this file.
  vim.api.nvim_buf_set_lines(0, 12, 12, true, { '        try { count++; } catch (RuntimeException e) { }' })
  wait_for('rule 1006 at the catch', function()
    local catches = diagnostics_of(1006)
    return #catches == 1 and catches[1].lnum == 12
  end)
  vim.api.nvim_win_set_cursor(0, { 13, 8 })
  local offered = {}
  vim.ui.select = function(items, _, on_choice)
    for index, item in ipairs(items) do
      table.insert(offered, item[2].title)
    end
    for index, item in ipairs(items) do
      if item[2].title == 'Switch rule 1006 off for this file' then
        return on_choice(item, index)
      end
    end
    on_choice(nil, nil)
  end
  vim.lsp.buf.code_action()
  wait_for('the quick fix', function() return #offered > 0 end)
  assert(vim.tbl_contains(offered, 'Switch rule 1006 off in quarvel.toml'), vim.inspect(offered))
  wait_for('the directive line', function()
    return vim.api.nvim_buf_get_lines(0, 0, 1, true)[1] == '// quarvel disable(1006)'
  end)
  wait_for('rule 1006 to go', function() return #diagnostics_of(1006) == 0 end)
  -- Rule 1005 (the general catch type) still holds, one line lower now.
  wait_for('rule 1005 at the catch', function()
    local general = diagnostics_of(1005)
    return #general == 1 and general[1].lnum == 13
  end)

  -- The other quick fix for rule 1005: an edit of quarvel.toml, which Neovim makes in a
  -- buffer of its own. Saved (the buffer attached, so that the server hears of the save),
  -- it switches the rule off.
  vim.api.nvim_win_set_cursor(0, { 14, 8 })
  offered = {}
  vim.ui.select = function(items, _, on_choice)
    for index, item in ipairs(items) do
      if item[2].title == 'Switch rule 1005 off in quarvel.toml' then
        return on_choice(item, index)
      end
    end
    error('no quick fix for quarvel.toml among ' .. #items)
  end
  vim.lsp.buf.code_action()
  local config = vim.fn.bufnr(work .. '/quarvel.toml')
  wait_for('the edit of quarvel.toml', function()
    config = vim.fn.bufnr(work .. '/quarvel.toml')
    return config ~= -1 and vim.api.nvim_buf_get_lines(config, -2, -1, true)[1] == '1005 = "off"'
  end)
  assert(vim.lsp.buf_attach_client(config, client), 'quarvel.toml was not attached')
  vim.api.nvim_buf_call(config, function() vim.cmd('write') end)
  wait_for('rule 1005 to go', function() return #diagnostics_of(1005) == 0 end)
  local saved = io.open(work .. '/quarvel.toml'):read('*a')
  assert(saved == '# Quarvel settings\n\n[rules]\n1005 = "off"\n', saved)

  vim.lsp.stop_client(client)
  wait_for('the server to stop', function() return vim.lsp.get_client_by_id(client) == nil end)
end

local ok, failure = pcall(test)
if not ok then
  io.stderr:write('FAILED: ' .. tostring(failure) .. '\n')
  vim.cmd('cquit 1')
end
vim.cmd('qall!')
