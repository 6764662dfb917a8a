-- Nothing in April; March leaves a previous balance.
INSERT INTO caixa (Data, es, Condicao, especie, Descricao, Credito, Debito, CodigoNota) VALUES
('2026-03-31', 'E', 'DINHEIRO', 'DINHEIRO', 'VENDA A VISTA', 75, 0, '7');
