-- One day of exits that exceed the entries; the day before only counts when the previous
-- balance is asked for.
INSERT INTO caixa (Data, es, Condicao, especie, Descricao, Credito, Debito, CodigoNota) VALUES
('2026-03-09', 'E', 'DINHEIRO', 'DINHEIRO', 'VENDA ANTERIOR', 500, 0, '1'),
('2026-03-10', 'S', 'DINHEIRO', 'DINHEIRO', 'DESPESA GAS', 0, 40, ''),
('2026-03-10', 'S', 'Dinheiro', 'SANGRIA', 'SANGRIA CAIXA', 0, 1250.50, ''),
('2026-03-10', 'S', 'DINHEIRO', 'DINHEIRO', 'ESTORNO', 10, 0, '');
